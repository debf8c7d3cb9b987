#pragma once
// A CAD file format behind the CAD output layer. The layer adds offsets, applies
// justification and keeps the state; a writer only turns primitives into its format
// and hands back the whole file when the output is finished.

#include <array>
#include <string>
#include <string_view>

#include "cad/dxf_writer.h"

namespace zt6 {

// The layer's state a writer reads for each primitive.
struct CadPrimitiveState {
  int layer = 0;
  std::string layerName = "0";
  DxfTextSettings text;
};

class CadFileWriter {
 public:
  virtual ~CadFileWriter() = default;

  // True when the format holds polylines with bulges itself; otherwise the layer
  // sends their segments as lines and arcs.
  virtual bool HoldsPolylines() const = 0;

  virtual void StartSheet(double x1, double y1, double x2, double y2) = 0;
  virtual void Tables(int variant) = 0;
  virtual void BeginBlocks() = 0;
  virtual void EndSection() = 0;
  virtual void BeginBlock(const CadPrimitiveState& state, std::string_view name) = 0;
  virtual void EndBlock() = 0;
  virtual void BeginEntities() = 0;
  virtual void Layer(const CadPrimitiveState& state) = 0;

  virtual void Line(const CadPrimitiveState& state, double x1, double y1, double x2,
                    double y2) = 0;
  virtual void Circle(const CadPrimitiveState& state, double x, double y, double r) = 0;
  virtual void Arc(const CadPrimitiveState& state, double x, double y, double a1, double a2,
                   double r) = 0;
  virtual void Text(const CadPrimitiveState& state, std::string_view cp850, double x,
                    double y) = 0;
  virtual void Solid(const CadPrimitiveState& state, const std::array<double, 8>& xy) = 0;
  virtual void Insert(const CadPrimitiveState& state, std::string_view name, double x, double y,
                      double angle, double sx, double sy) = 0;
  virtual void PolylineBegin(const CadPrimitiveState& state, int flags) = 0;
  virtual void Vertex(const CadPrimitiveState& state, double x, double y, double bulge) = 0;
  virtual void PolylineEnd(const CadPrimitiveState& state) = 0;

  // Completes the file and returns its bytes.
  virtual std::string Finish() = 0;

  // Empty while all is well; otherwise why the file cannot be completed (a working
  // file of the writer could not be written or read back).
  virtual std::string Failure() const { return {}; }
};

}  // namespace zt6
