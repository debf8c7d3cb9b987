#pragma once
// The tab-separated CAD text file (output type 5): one record per line, the keyword
// first, every number and text after a tab, CR LF. It keeps block definitions and
// inserts, so programs without a CAD format can still rebuild the drawing.

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/format_settings.h"
#include "cad/cad_file_writer.h"
#include "cad/dxf_writer.h"

namespace zt6 {

class TextCadWriter : public CadFileWriter {
 public:
  // Numbers in fixed point with `decimals` decimals; "," as the separator when the
  // report's separator setting is the comma.
  TextCadWriter(int decimals, CadTextMode textMode, const FormatSettings& format);

  bool HoldsPolylines() const override { return false; }
  void StartSheet(double x1, double y1, double x2, double y2) override;
  void Tables(int) override {}
  void BeginBlocks() override;
  void EndSection() override {}
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
  // Polylines arrive as lines and arcs (HoldsPolylines is false).
  void PolylineBegin(const CadPrimitiveState&, int) override {}
  void Vertex(const CadPrimitiveState&, double, double, double) override {}
  void PolylineEnd(const CadPrimitiveState&) override {}
  std::string Finish() override;

 private:
  std::string Number(double value) const;
  void Field(std::string_view text);
  void Numbers(std::initializer_list<double> values);
  void EndRecord();

  int decimals_;
  CadTextMode textMode_;
  bool comma_;
  std::string bytes_;
};

}  // namespace zt6
