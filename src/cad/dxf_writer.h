#pragma once
// ASCII DXF: one item per line, CR LF, every group a code line (right-aligned in 3)
// and a value line. The writer only formats; the CAD output layer decides what is
// written and hands in the current layer name and text settings. It writes whole
// files (HEADER, TABLES, BLOCKS, ENTITIES, EOF) as well as the bare entity groups of
// the screen's block files.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "base/format_settings.h"

namespace zt6 {

// How TEXT values leave the program's code page 850.
enum class CadTextMode { Oem = 1, Ansi = 2, Ascii = 3 };
CadTextMode CadTextModeOf(int configured);  // unknown values mean Oem
// The $DWGCODEPAGE of the HEADER that tells readers how to decode the TEXT values:
// empty for the transliteration, which leaves plain ASCII.
std::string_view DxfCodePageName(CadTextMode mode);

// The text settings of the CAD layer in force for one TEXT entity.
struct DxfTextSettings {
  double height = 2.5;
  double widthFactor = 1.0;
  double angle = 0;
  double obliqueAngle = 0;
};

// What the TABLES section needs of the configuration.
struct DxfLayerTable {
  std::array<std::string, 5> names{"1", "2", "3", "4", "5"};  // layers 1..5
  std::array<int, 5> colours{2, 2, 2, 3, 1};                   // layers 1..5
  std::array<int, 16> colours16to31{};                         // layers 16..31
  bool monochrome = false;  // every colour written as 1
  std::string fontName = "TXT8";
};

// Fixed point with exactly `decimals` decimals and "."; "-" only for negative values.
std::string DxfReal(double value, int decimals);
// The short form of TEXT groups 41, 50, 51: 0 below 0.00001, else three significant
// digits (shifted by the report decimals setting), trailing zeros and point removed.
std::string DxfShortNumber(double value, const FormatSettings& format);
// TEXT group 1 from the CP850 text.
std::string DxfTextValue(std::string_view cp850, CadTextMode mode);

class DxfWriter {
 public:
  DxfWriter(int decimals, CadTextMode textMode, FormatSettings format);

  const std::string& Bytes() const { return bytes_; }
  // Room for that many bytes before the text is moved to grow (see large_buffer.h).
  void Reserve(std::size_t bytes);
  // The bytes written so far, handed over without a copy; the writer starts empty.
  std::string TakeBytes() { return std::exchange(bytes_, {}); }
  void Reset() { bytes_.clear(); }

  void Group(int code, std::string_view value);
  void Group(int code, double value);  // DxfReal with the writer's decimals
  void Group(int code, int value);
  // "0 type" that opens an entity, a table entry or a block, with its handle (group 5)
  // when the file carries handles.
  void Start(std::string_view type);

  // Whole files carry handles: $HANDLING and $HANDSEED in the HEADER and a handle on
  // every table entry, block and entity, which readers such as FreeCAD's expect right
  // after the "0" group. The screen's block fragments carry none. Set before Header.
  void WriteHandles() { handles_ = true; }

  void Header(double x1, double y1, double x2, double y2);
  void Tables(int variant, const DxfLayerTable& layers);
  void BeginBlocks();
  void BeginEntities();
  void EndSection();
  void EndOfFile();  // 0 EOF

  void BeginBlock(std::string_view layer, std::string_view name);
  void EndBlock();

  void Line(std::string_view layer, double x1, double y1, double x2, double y2);
  void Circle(std::string_view layer, double x, double y, double r);
  // A full turn (or a1 = a2) is written as CIRCLE.
  void Arc(std::string_view layer, double x, double y, double a1, double a2, double r);
  void Text(std::string_view layer, std::string_view cp850, double x, double y,
            const DxfTextSettings& text);
  void Solid(std::string_view layer, const std::array<double, 8>& xy);
  void Insert(std::string_view layer, std::string_view name, double x, double y, double angle,
              double sx, double sy);
  void PolylineBegin(std::string_view layer, int flags);
  void Vertex(std::string_view layer, double x, double y, double bulge);
  void PolylineEnd(std::string_view layer);

 private:
  int decimals_;
  CadTextMode textMode_;
  FormatSettings format_;
  std::string bytes_;
  bool handles_ = false;
  unsigned long nextHandle_ = 1;
  std::size_t seedAt_ = 0;  // where the $HANDSEED value starts in bytes_
};

}  // namespace zt6
