#include "cad/dxf_file_writer.h"

#include <cmath>
#include <utility>

namespace zt6 {

namespace {
constexpr std::size_t kReservedBytes = 16u << 20;
}  // namespace

DxfFileWriter::DxfFileWriter(int decimals, CadTextMode textMode, const FormatSettings& format,
                             DxfLayerTable layers)
    : dxf_(decimals, textMode, format), layers_(std::move(layers)) {
  // A large drawing is never copied to grow: the copies and their fresh pages cost
  // more than the writing itself.
  dxf_.Reserve(kReservedBytes);
  dxf_.WriteHandles();
}

void DxfFileWriter::StartSheet(double x1, double y1, double x2, double y2) {
  dxf_.Header(x1, y1, x2, y2);
}
void DxfFileWriter::Tables(int variant) { dxf_.Tables(variant, layers_); }
void DxfFileWriter::BeginBlocks() { dxf_.BeginBlocks(); }
void DxfFileWriter::EndSection() { dxf_.EndSection(); }
void DxfFileWriter::BeginBlock(const CadPrimitiveState& state, std::string_view name) {
  dxf_.BeginBlock(state.layerName, name);
}
void DxfFileWriter::EndBlock() { dxf_.EndBlock(); }
void DxfFileWriter::BeginEntities() { dxf_.BeginEntities(); }

void DxfFileWriter::Line(const CadPrimitiveState& state, double x1, double y1, double x2,
                         double y2) {
  dxf_.Line(state.layerName, x1, y1, x2, y2);
}
void DxfFileWriter::Circle(const CadPrimitiveState& state, double x, double y, double r) {
  dxf_.Circle(state.layerName, x, y, r);
}
void DxfFileWriter::Arc(const CadPrimitiveState& state, double x, double y, double a1, double a2,
                        double r) {
  dxf_.Arc(state.layerName, x, y, a1, a2, r);
}
void DxfFileWriter::Text(const CadPrimitiveState& state, std::string_view cp850, double x,
                         double y) {
  dxf_.Text(state.layerName, cp850, x, y, state.text);
}
void DxfFileWriter::Solid(const CadPrimitiveState& state, const std::array<double, 8>& xy) {
  dxf_.Solid(state.layerName, xy);
}
void DxfFileWriter::Insert(const CadPrimitiveState& state, std::string_view name, double x,
                           double y, double angle, double sx, double sy) {
  dxf_.Insert(state.layerName, name, x, y, angle, sx, sy);
}
void DxfFileWriter::PolylineBegin(const CadPrimitiveState& state, int flags) {
  dxf_.PolylineBegin(state.layerName, flags);
}
void DxfFileWriter::Vertex(const CadPrimitiveState& state, double x, double y, double bulge) {
  dxf_.Vertex(state.layerName, x, y, bulge);
}
void DxfFileWriter::PolylineEnd(const CadPrimitiveState& state) {
  dxf_.PolylineEnd(state.layerName);
}

std::string DxfFileWriter::Finish() {
  dxf_.EndOfFile();
  return dxf_.TakeBytes();
}

}  // namespace zt6
