#pragma once
// The DXF file of output types 1 (a file) and 4 (the plot program's file).

#include "cad/cad_file_writer.h"
#include "cad/dxf_writer.h"

namespace zt6 {

class DxfFileWriter : public CadFileWriter {
 public:
  DxfFileWriter(int decimals, CadTextMode textMode, const FormatSettings& format,
                DxfLayerTable layers);

  bool HoldsPolylines() const override { return true; }
  void StartSheet(double x1, double y1, double x2, double y2) override;
  void Tables(int variant) override;
  void BeginBlocks() override;
  void EndSection() override;
  void BeginBlock(const CadPrimitiveState& state, std::string_view name) override;
  void EndBlock() override;
  void BeginEntities() override;
  void Layer(const CadPrimitiveState&) override {}
  void Line(const CadPrimitiveState& state, double x1, double y1, double x2, double y2) override;
  void Circle(const CadPrimitiveState& state, double x, double y, double r) override;
  void Arc(const CadPrimitiveState& state, double x, double y, double a1, double a2,
           double r) override;
  void Text(const CadPrimitiveState& state, std::string_view cp850, double x, double y) override;
  void Solid(const CadPrimitiveState& state, const std::array<double, 8>& xy) override;
  void Insert(const CadPrimitiveState& state, std::string_view name, double x, double y,
              double angle, double sx, double sy) override;
  void PolylineBegin(const CadPrimitiveState& state, int flags) override;
  void Vertex(const CadPrimitiveState& state, double x, double y, double bulge) override;
  void PolylineEnd(const CadPrimitiveState& state) override;
  std::string Finish() override;

  // Raw access for what only DXF carries (block definitions copied from files).
  DxfWriter& Raw() { return dxf_; }

 private:
  DxfWriter dxf_;
  DxfLayerTable layers_;
};

}  // namespace zt6
