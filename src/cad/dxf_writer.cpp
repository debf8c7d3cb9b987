#include "cad/dxf_writer.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "base/beta_symbols.h"
#include "base/codepage.h"
#include "base/large_buffer.h"
#include "base/number_format.h"
#include "cad/arc_construction.h"

namespace zt6 {

namespace {

constexpr int kMaxDecimals = 32;  // the largest decimals the configuration accepts

// The fixed-point text into buffer (std::to_chars gives the digits printf gives, without
// its cost); the length written, or 0 when it does not fit.
std::size_t FixedInto(char* buffer, std::size_t size, double value, int decimals) {
  const auto result =
      std::to_chars(buffer, buffer + size, value, std::chars_format::fixed, decimals);
  return result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - buffer) : 0;
}

// The group code right-aligned in three places (wider codes take what they need) and
// CR LF; at most 13 characters.
std::size_t CodeLine(char* out, int code) {
  char digits[12];
  const auto length = static_cast<std::size_t>(std::to_chars(digits, digits + 12, code).ptr - digits);
  const std::size_t pad = length < 3 ? 3 - length : 0;
  std::memset(out, ' ', pad);
  std::memcpy(out + pad, digits, length);
  out[pad + length] = '\r';
  out[pad + length + 1] = '\n';
  return pad + length + 2;
}

// A line end inside a value would shift every later group by one line.
void BlankLineEnds(char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i)
    if (text[i] == '\r' || text[i] == '\n') text[i] = ' ';
}

std::string Printf(const char* format, int width, double value) {
  std::string out(40, '\0');
  const int n = std::snprintf(out.data(), out.size() + 1, format, width, value);
  if (n < 0) return "0";
  if (static_cast<std::size_t>(n) > out.size()) {
    out.resize(static_cast<std::size_t>(n));
    std::snprintf(out.data(), out.size() + 1, format, width, value);
  }
  out.resize(static_cast<std::size_t>(n));
  return out;
}

// "-0.000" would read as a distinct value to some programs; a value that rounds to
// zero is plain zero.
void DropNegativeZero(std::string& text) {
  if (text.empty() || text.front() != '-') return;
  if (text.find_first_of("123456789", 1) == std::string::npos) text.erase(0, 1);
}

// An angle of 0 as "0.0": FreeCAD's reader takes a value line "0" after a group it does
// not know for the start of the next entity and loses that entity.
std::string TextAngle(double degrees, const FormatSettings& format) {
  std::string text = DxfShortNumber(degrees, format);
  if (text == "0") text = "0.0";
  return text;
}

}  // namespace

CadTextMode CadTextModeOf(int configured) {
  switch (configured) {
    case 2: return CadTextMode::Ansi;
    case 3: return CadTextMode::Ascii;
    default: return CadTextMode::Oem;
  }
}

std::string_view DxfCodePageName(CadTextMode mode) {
  switch (mode) {
    case CadTextMode::Ansi: return "ANSI_1252";
    case CadTextMode::Oem: return "DOS850";  // AutoCAD's name of code page 850
    case CadTextMode::Ascii: break;
  }
  return {};
}

std::string DxfReal(double value, int decimals) {
  // A coordinate that is not a number would make the whole file unreadable.
  if (!std::isfinite(value)) value = 0.0;
  const int places = std::clamp(decimals, 0, kMaxDecimals);
  char buffer[64];
  const std::size_t length = FixedInto(buffer, sizeof buffer, value, places);
  std::string text = length > 0 ? std::string(buffer, length) : Printf("%.*f", places, value);
  DropNegativeZero(text);
  return text;
}

std::string DxfShortNumber(double value, const FormatSettings& format) {
  FormatSettings dot = format;
  dot.decimalSeparator = 1;  // DXF knows only the point
  std::string text = FormatSignificant(value, dot);
  text.erase(0, text.find_first_not_of(' '));
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  DropNegativeZero(text);
  return text;
}

std::string DxfTextValue(std::string_view cp850, CadTextMode mode) {
  switch (mode) {
    // Neither Windows-1252 nor ASCII has the symbols' beta: spelt out.
    case CadTextMode::Ansi:
      return OemToAnsiAnyLength(SpellBetaSymbols(cp850, "beta"), false);
    case CadTextMode::Ascii:
      return OemSpeltInAscii(SpellBetaSymbols(cp850, "beta"));
    case CadTextMode::Oem: break;
  }
  return std::string(cp850);
}

DxfWriter::DxfWriter(int decimals, CadTextMode textMode, FormatSettings format)
    : decimals_(decimals), textMode_(textMode), format_(std::move(format)) {}

void DxfWriter::Group(int code, std::string_view value) {
  // A drawing is hundreds of thousands of groups: each is put together on the stack
  // and appended at once.
  char line[64];
  std::size_t n = CodeLine(line, code);
  if (n + value.size() + 2 > sizeof line) {  // a long text
    bytes_.append(line, n);
    const std::size_t start = bytes_.size();
    bytes_.append(value);
    BlankLineEnds(bytes_.data() + start, value.size());
    bytes_.append("\r\n", 2);
    return;
  }
  std::memcpy(line + n, value.data(), value.size());
  BlankLineEnds(line + n, value.size());
  n += value.size();
  line[n++] = '\r';
  line[n++] = '\n';
  bytes_.append(line, n);
}

void DxfWriter::Reserve(std::size_t bytes) { ReserveLargeBuffer(bytes_, bytes); }

void DxfWriter::Group(int code, double value) { Group(code, DxfReal(value, decimals_)); }

void DxfWriter::Group(int code, int value) { Group(code, std::to_string(value)); }

void DxfWriter::Start(std::string_view type) {
  Group(0, type);
  if (!handles_) return;
  char hex[20];
  const auto end = std::to_chars(hex, hex + sizeof hex, nextHandle_++, 16).ptr;
  for (char* c = hex; c != end; ++c) *c = static_cast<char>(std::toupper(*c));
  Group(5, std::string_view(hex, static_cast<std::size_t>(end - hex)));
}

void DxfWriter::Header(double x1, double y1, double x2, double y2) {
  Group(0, "SECTION");
  Group(2, "HEADER");
  // Release 12: the groups and entities written here are those of that release.
  Group(9, "$ACADVER");
  Group(1, "AC1009");
  if (handles_) {
    Group(9, "$HANDLING");
    Group(70, 1);
    Group(9, "$HANDSEED");
    // The value is put in at the end of the file, when the last handle is known.
    bytes_.append("  5\r\n");
    seedAt_ = bytes_.size();
    bytes_.append("\r\n");
  }
  if (const std::string_view codePage = DxfCodePageName(textMode_); !codePage.empty()) {
    Group(9, "$DWGCODEPAGE");
    Group(3, codePage);
  }
  const std::pair<const char*, std::pair<double, double>> limits[] = {
      {"$EXTMIN", {x1, y1}}, {"$EXTMAX", {x2, y2}}, {"$LIMMIN", {x1, y1}}, {"$LIMMAX", {x2, y2}}};
  for (const auto& [name, point] : limits) {
    Group(9, name);
    Group(10, point.first);
    Group(20, point.second);
  }
  Group(9, "$LTSCALE");
  Group(40, "15");
  EndSection();
}

void DxfWriter::Tables(int variant, const DxfLayerTable& layers) {
  // Variants other than 1 and 2 are written as variant 0.
  const char* lineTypeCount = variant == 1 ? "17" : variant == 2 ? "23" : "6";
  Group(0, "SECTION");
  Group(2, "TABLES");
  Group(0, "TABLE");
  Group(2, "LTYPE");
  Group(70, lineTypeCount);

  auto lineType = [this](const char* name, const char* description) {
    Start("LTYPE");
    Group(2, name);
    Group(70, "64");
    Group(3, description);
    Group(72, "65");
  };
  lineType("CONTINUOUS", "Ausgezogene Linie");
  Group(73, "0");
  Group(40, "0.0");
  lineType("DASHDOT", "--. --. --.-");
  Group(73, "4");
  Group(40, "1.0");
  Group(49, "0.5");
  Group(49, "-0.25");
  Group(49, "0.0");
  Group(49, "-0.25");
  lineType("DASHED", "- - - - - - ");
  Group(73, "2");
  Group(40, "0.375");
  Group(49, "0.25");
  Group(49, "-0.125");

  Group(0, "ENDTAB");
  Group(0, "TABLE");
  Group(2, "LAYER");
  Group(70, 24);
  auto layer = [this, &layers](std::string_view name, int colour, const char* type) {
    Start("LAYER");
    Group(2, name);
    Group(70, "0");
    Group(62, layers.monochrome ? 1 : colour);
    Group(6, type);
  };
  if (variant == 1) {
    for (int n = 0; n <= 15; ++n) layer(std::to_string(n), n + 1, "CONTINUOUS");
  } else {
    layer("0", 1, "CONTINUOUS");
    const char* types[5] = {"DASHDOT", "DASHED", "CONTINUOUS", "CONTINUOUS", "CONTINUOUS"};
    for (std::size_t i = 0; i < 5; ++i) layer(layers.names[i], layers.colours[i], types[i]);
    if (variant == 2) {
      for (std::size_t i = 0; i < layers.colours16to31.size(); ++i) {
        layer(std::to_string(16 + i), layers.colours16to31[i], "CONTINUOUS");
      }
    }
  }

  Group(0, "ENDTAB");
  Group(0, "TABLE");
  Group(2, "STYLE");
  Group(70, "1");
  Start("STYLE");
  Group(2, "STANDARD");
  Group(70, "0");
  Group(40, "0.0");
  Group(41, "1.0");
  Group(50, "0.0");
  Group(71, "0");
  Group(42, "3.5");
  std::string font = layers.fontName;
  for (char& c : font) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  Group(3, font);
  Group(4, "");
  bytes_ += "0\r\nENDTAB\r\n";  // this one code line is not right-aligned
  EndSection();
}

void DxfWriter::BeginBlocks() {
  Group(0, "SECTION");
  Group(2, "BLOCKS");
}

void DxfWriter::BeginEntities() {
  Group(0, "SECTION");
  Group(2, "ENTITIES");
}

void DxfWriter::EndSection() { Group(0, "ENDSEC"); }

void DxfWriter::EndOfFile() {
  Group(0, "EOF");
  if (!handles_ || seedAt_ == 0) return;
  char hex[20];
  const auto end = std::to_chars(hex, hex + sizeof hex, nextHandle_, 16).ptr;
  for (char* c = hex; c != end; ++c) *c = static_cast<char>(std::toupper(*c));
  bytes_.insert(seedAt_, hex, static_cast<std::size_t>(end - hex));
}

void DxfWriter::BeginBlock(std::string_view layer, std::string_view name) {
  Start("BLOCK");
  Group(8, layer);
  Group(2, name);
  Group(70, "0");
  Group(10, "0.0");
  Group(20, "0.0");
}

void DxfWriter::EndBlock() { Start("ENDBLK"); }

void DxfWriter::Line(std::string_view layer, double x1, double y1, double x2, double y2) {
  Start("LINE");
  Group(8, layer);
  Group(10, x1);
  Group(20, y1);
  Group(11, x2);
  Group(21, y2);
}

void DxfWriter::Circle(std::string_view layer, double x, double y, double r) {
  Start("CIRCLE");
  Group(8, layer);
  Group(10, x);
  Group(20, y);
  Group(40, r);
}

void DxfWriter::Arc(std::string_view layer, double x, double y, double a1, double a2,
                    double r) {
  if (IsFullTurn(a1, a2)) {
    Circle(layer, x, y, r);
    return;
  }
  Start("ARC");
  Group(8, layer);
  Group(10, x);
  Group(20, y);
  Group(40, r);
  Group(50, a1);
  Group(51, a2);
}

void DxfWriter::Text(std::string_view layer, std::string_view cp850, double x, double y,
                     const DxfTextSettings& text) {
  Start("TEXT");
  Group(8, layer);
  Group(10, x);
  Group(20, y);
  Group(40, text.height);
  Group(1, DxfTextValue(cp850, textMode_));
  Group(7, "STANDARD");
  Group(41, DxfShortNumber(text.widthFactor, format_));
  Group(50, TextAngle(text.angle, format_));
  Group(51, TextAngle(text.obliqueAngle, format_));
}

void DxfWriter::Solid(std::string_view layer, const std::array<double, 8>& xy) {
  Start("SOLID");
  Group(8, layer);
  for (int corner = 0; corner < 4; ++corner) {
    const auto i = static_cast<std::size_t>(2 * corner);
    Group(10 + corner, xy[i]);
    Group(20 + corner, xy[i + 1]);
  }
}

void DxfWriter::Insert(std::string_view layer, std::string_view name, double x, double y,
                       double angle, double sx, double sy) {
  Start("INSERT");
  Group(8, layer);
  Group(2, name);
  Group(10, x);
  Group(20, y);
  Group(41, sx);
  Group(42, sy);
  Group(50, angle);
}

void DxfWriter::PolylineBegin(std::string_view layer, int flags) {
  Start("POLYLINE");
  Group(8, layer);
  Group(66, 1);
  if (flags != 0) Group(70, flags);
}

void DxfWriter::Vertex(std::string_view layer, double x, double y, double bulge) {
  Start("VERTEX");
  Group(8, layer);
  Group(10, x);
  Group(20, y);
  if (bulge != 0) Group(42, bulge);
}

void DxfWriter::PolylineEnd(std::string_view layer) {
  Start("SEQEND");
  Group(8, layer);
}

}  // namespace zt6
