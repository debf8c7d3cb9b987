#include "cad/text_cad_writer.h"

#include <algorithm>
#include <cmath>

#include "cad/arc_construction.h"

namespace zt6 {

TextCadWriter::TextCadWriter(int decimals, CadTextMode textMode, const FormatSettings& format)
    : decimals_(decimals), textMode_(textMode), comma_(format.decimalSeparator == 2) {}

std::string TextCadWriter::Number(double value) const {
  std::string text = DxfReal(value, decimals_);
  if (comma_) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

void TextCadWriter::Field(std::string_view text) {
  bytes_ += '\t';
  // A tab or line end inside a text or name would shift every field after it.
  for (const char c : text) bytes_ += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

void TextCadWriter::Numbers(std::initializer_list<double> values) {
  for (const double v : values) Field(Number(v));
}

void TextCadWriter::EndRecord() { bytes_ += "\r\n"; }

void TextCadWriter::StartSheet(double x1, double y1, double x2, double y2) {
  bytes_ += "MINMAX";
  Numbers({x1, y1, x2, y2});
  EndRecord();
}

void TextCadWriter::BeginBlocks() {
  bytes_ += "SECTION BLOCKS";
  EndRecord();
}

void TextCadWriter::BeginBlock(const CadPrimitiveState&, std::string_view name) {
  bytes_ += "BLOCK";
  Field(name);
  EndRecord();
}

void TextCadWriter::EndBlock() {
  bytes_ += "END OF BLOCK";
  EndRecord();
}

void TextCadWriter::BeginEntities() {
  bytes_ += "SECTION ENTITIES";
  EndRecord();
}

void TextCadWriter::Line(const CadPrimitiveState&, double x1, double y1, double x2, double y2) {
  bytes_ += "LINE";
  Numbers({x1, y1, x2, y2});
  EndRecord();
}

void TextCadWriter::Circle(const CadPrimitiveState&, double x, double y, double r) {
  bytes_ += "CIRCLE";
  Numbers({x, y, r});
  EndRecord();
}

void TextCadWriter::Arc(const CadPrimitiveState& state, double x, double y, double a1, double a2,
                        double r) {
  if (IsFullTurn(a1, a2)) {
    Circle(state, x, y, r);
    return;
  }
  bytes_ += "ARC";
  Numbers({x, y, r, a1, a2});
  EndRecord();
}

void TextCadWriter::Text(const CadPrimitiveState&, std::string_view cp850, double x, double y) {
  bytes_ += "TEXT";
  Numbers({x, y});
  Field(DxfTextValue(cp850, textMode_));
  EndRecord();
}

void TextCadWriter::Solid(const CadPrimitiveState&, const std::array<double, 8>& xy) {
  bytes_ += "SOLID";
  for (const double v : xy) Field(Number(v));
  EndRecord();
}

void TextCadWriter::Insert(const CadPrimitiveState&, std::string_view name, double x, double y,
                           double angle, double sx, double sy) {
  bytes_ += "INSERT";
  Field(name);
  Numbers({x, y, angle, sx, sy});
  EndRecord();
}

std::string TextCadWriter::Finish() {
  bytes_ += "EOF";
  EndRecord();
  return bytes_;
}

}  // namespace zt6
