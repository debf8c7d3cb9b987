#include "cad/iges_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>
#include <system_error>
#include <utility>

#include "base/codepage.h"
#include "base/program_identity.h"
#include "cad/iges_records.h"
#include "calc/run_messages.h"

namespace zt6 {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr std::size_t kParameterColumns = 64;
constexpr std::size_t kGlobalColumns = 72;
constexpr int kTypeCircularArc = 100;
constexpr int kTypeCopiousData = 106;
constexpr int kTypeLine = 110;
constexpr int kTypeGeneralNote = 212;

// Organisation of global parameter 22: always 30 characters.
constexpr const char* kOrganisation = "MORVANE GMBH                  ";

// The part behind the last folder separator and drive colon, before the last point.
std::string BaseNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/:");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  return std::string(name);
}

}  // namespace

int IgesColourOf(int cadColour) {
  // 16, the colour list's black, is IGES black.
  static constexpr std::array<int, 17> kMap{0,  2,  5,  3,  7,  4,  6, 0, 8,
                                            10, 11, 12, 13, 14, 15, 1, 1};
  if (cadColour < 0 || cadColour >= static_cast<int>(kMap.size())) return 0;
  return kMap[static_cast<std::size_t>(cadColour)];
}

IgesFileWriter::IgesFileWriter(IgesFileSetup setup, RunMessages& messages)
    : setup_(std::move(setup)), messages_(messages) {
  OpenWorkingFile();
}

IgesFileWriter::~IgesFileWriter() { CloseAndRemoveWorkingFile(); }

void IgesFileWriter::Fail(const std::string& what) {
  if (failure_.empty()) failure_ = "working file " + setup_.parameterFile.string() + ": " + what;
}

void IgesFileWriter::OpenWorkingFile() {
  parameters_.open(setup_.parameterFile, std::ios::binary | std::ios::trunc);
  parameterBytes_ = 0;
  workingFileOpen_ = parameters_.is_open();
  if (!workingFileOpen_) Fail("cannot create the file");
}

void IgesFileWriter::CloseAndRemoveWorkingFile() {
  if (parameters_.is_open()) parameters_.close();
  if (!workingFileOpen_) return;
  workingFileOpen_ = false;
  std::error_code ec;
  std::filesystem::remove(setup_.parameterFile, ec);
}

std::string IgesFileWriter::Coordinate(double value) const {
  return IgesCoordinate(value, setup_.format);
}

// A line end inside a text would break the fixed columns.
std::string IgesFileWriter::TextOf(std::string_view cp850) const {
  std::string text = DxfTextValue(cp850, setup_.textMode);
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

void IgesFileWriter::StartSheet(double, double, double x2, double y2) {
  start_.clear();
  global_.clear();
  directory_.clear();
  if (pCount_ > 0 && failure_.empty()) {
    parameters_.close();
    OpenWorkingFile();
  }
  sCount_ = gCount_ = dCount_ = pCount_ = 0;
  dePointer_ = -1;
  pPointer_ = 1;
  pLineCount_ = 0;
  lineFont_ = 1;
  colour_ = 0;
  recording_ = false;
  blocks_.clear();
  StartSection();
  GlobalSection(std::max(x2, y2));
}

void IgesFileWriter::StartSection() {
  const std::string lines[] = {std::string("IGES-Datei generiert von ") + kProgramTitle,
                               "Uebersetzer von MORVANE GMBH, Uebersetzerversion 3.1",
                               TextOf(setup_.ownerText)};
  for (const std::string& line : lines) {
    // A long owner text goes on over further lines rather than past column 72.
    std::size_t at = 0;
    do {
      start_ += IgesLine(std::string_view(line).substr(at, kGlobalColumns), 'S', ++sCount_);
      at += kGlobalColumns;
    } while (at < line.size());
  }
}

void IgesFileWriter::GlobalSection(double largest) {
  const std::string base = TextOf(Utf8ToCp850(BaseNameOf(setup_.outputFile)));
  char date[64];
  std::snprintf(date, sizeof date, "%02d%02d%02d.081107", (setup_.now.tm_year + 1900) % 100,
                setup_.now.tm_mon + 1, setup_.now.tm_mday);
  const std::string lines[] = {
      ",," + Hollerith("FILE") + "," + Hollerith(base) + "," +
          Hollerith(std::string(kProgramTitle) + " V" + kProgramVersion) + "," +
          Hollerith(TextOf(setup_.installationText)) + ",",
      "16,38,6,99,15,", Hollerith(base) + ",1.0,2," + Hollerith("MM") + ",32767,3.2767D1,",
      Hollerith(date) + ",1.0D-8," + IgesLargestCoordinate(largest, setup_.format) + ",",
      Hollerith("KENDT") + "," + Hollerith(kOrganisation) + ",4,0;"};
  // A line longer than 72 columns would shift the section letter out of its column.
  for (const std::string& line : lines)
    for (const std::string& piece : CutIgesRecord(line, kGlobalColumns))
      global_ += IgesLine(piece, 'G', ++gCount_);
}

void IgesFileWriter::WriteParameterLine(std::string_view data, int dePointer) {
  ++pCount_;
  ++pLineCount_;
  if (!failure_.empty()) return;
  const std::string line = IgesParameterLine(data, dePointer, pCount_);
  parameters_ << line;
  parameterBytes_ += line.size();
  if (!parameters_) Fail("write error (disk full?)");
}

int IgesFileWriter::WriteEntity(const EntityFields& fields,
                                const std::vector<std::string>& records) {
  pLineCount_ = 0;
  dePointer_ += 2;
  for (const std::string& record : records)
    for (const std::string& piece : CutIgesRecord(record, kParameterColumns))
      WriteParameterLine(piece, dePointer_);

  const std::string type = std::to_string(fields.type);
  const std::string colour = std::to_string(colour_);
  // Every entity stands on its own: blocks are written out, so nothing is a member.
  const std::string first[] = {type,          std::to_string(pPointer_),
                               "1",           std::to_string(lineFont_),
                               colour,        "",
                               fields.matrix, "",
                               "00000000"};
  const std::string second[] = {
      type, "", colour, std::to_string(pLineCount_), fields.form, "", "", "", ""};
  for (const auto& fieldsOfLine : {first, second}) {
    std::string line;
    for (std::size_t i = 0; i < 9; ++i) line += IgesField(fieldsOfLine[i]);
    directory_ += IgesLine(line, 'D', ++dCount_);
  }
  pPointer_ += pLineCount_;
  return dePointer_;
}

void IgesFileWriter::Layer(const CadPrimitiveState& state) {
  const int n = std::max(state.layer, 0);  // negative layers are layer 0
  const DxfLayerTable& layers = setup_.layers;
  if (!layers.monochrome && n <= 5) {
    colour_ =
        n == 0 ? IgesColourOf(7) : IgesColourOf(layers.colours[static_cast<std::size_t>(n - 1)]);
    lineFont_ = n == 1 ? 4 : n == 2 ? 2 : 1;
  } else if (!layers.monochrome && n >= 16 && n <= 31) {
    colour_ = IgesColourOf(layers.colours16to31[static_cast<std::size_t>(n - 16)]);
    lineFont_ = 1;
  } else {
    colour_ = IgesColourOf(n % 16 + 1);
    if (!layers.monochrome) lineFont_ = 1;
  }
}

IgesFileWriter::BlockPrimitive IgesFileWriter::Kept(BlockPrimitive::Kind kind,
                                                   const std::array<double, 8>& xy) {
  BlockPrimitive primitive;
  primitive.kind = kind;
  primitive.xy = xy;
  return primitive;
}

void IgesFileWriter::Record(BlockPrimitive primitive) {
  primitive.colour = colour_;
  primitive.lineFont = lineFont_;
  blocks_.back().primitives.push_back(std::move(primitive));
}

void IgesFileWriter::Line(const CadPrimitiveState&, double x1, double y1, double x2, double y2) {
  if (Recording()) return Record(Kept(BlockPrimitive::Kind::Line, {x1, y1, x2, y2}));
  WriteLine(x1, y1, x2, y2);
}

void IgesFileWriter::Circle(const CadPrimitiveState&, double x, double y, double r) {
  if (Recording()) {
    BlockPrimitive circle = Kept(BlockPrimitive::Kind::Circle, {x, y});
    circle.r = r;
    return Record(std::move(circle));
  }
  WriteCircle(x, y, r);
}

void IgesFileWriter::Arc(const CadPrimitiveState&, double x, double y, double a1, double a2,
                         double r) {
  if (Recording()) {
    BlockPrimitive arc = Kept(BlockPrimitive::Kind::Arc, {x, y});
    arc.r = r;
    arc.a1 = a1;
    arc.a2 = a2;
    return Record(std::move(arc));
  }
  WriteArc(x, y, a1, a2, r);
}

void IgesFileWriter::Solid(const CadPrimitiveState&, const std::array<double, 8>& xy) {
  if (Recording()) return Record(Kept(BlockPrimitive::Kind::Solid, xy));
  WriteSolid(xy);
}

void IgesFileWriter::Text(const CadPrimitiveState& state, std::string_view cp850, double x,
                          double y) {
  if (Recording()) {
    BlockPrimitive text = Kept(BlockPrimitive::Kind::Text, {x, y});
    text.text = state.text;
    text.value = std::string(cp850);
    return Record(std::move(text));
  }
  WriteText(state.text, cp850, x, y);
}

void IgesFileWriter::WriteLine(double x1, double y1, double x2, double y2) {
  WriteEntity({kTypeLine, "", ""}, {"110," + Coordinate(x1) + "," + Coordinate(y1) + ",0.0," +
                                    Coordinate(x2) + "," + Coordinate(y2) + ",0.0;"});
}

void IgesFileWriter::WriteCircle(double x, double y, double r) {
  const std::string start = Coordinate(x + r) + "," + Coordinate(y);
  WriteEntity({kTypeCircularArc, "0", ""},
              {"100,0.0," + Coordinate(x) + "," + Coordinate(y) + "," + start + "," + start + ";"});
}

void IgesFileWriter::WriteArc(double x, double y, double a1, double a2, double r) {
  if (r == 0) return;
  WriteEntity({kTypeCircularArc, "0", ""},
              {"100,0.0," + Coordinate(x) + "," + Coordinate(y) + "," +
               Coordinate(x + r * std::cos(a1 * kDegree)) + "," +
               Coordinate(y + r * std::sin(a1 * kDegree)) + "," +
               Coordinate(x + r * std::cos(a2 * kDegree)) + "," +
               Coordinate(y + r * std::sin(a2 * kDegree)) + ";"});
}

void IgesFileWriter::WriteSolid(const std::array<double, 8>& xy) {
  const auto point = [&](std::size_t corner) {
    return Coordinate(xy[2 * corner]) + "," + Coordinate(xy[2 * corner + 1]);
  };
  // Closed path through corners 1, 4, 3, 2 and back to 1.
  WriteEntity({kTypeCopiousData, "0", "11"},
              {"106,1,5,0.0," + point(0) + ",", point(3) + ",", point(2) + ",", point(1) + ",",
               point(0) + ";"});
}

void IgesFileWriter::WriteText(const DxfTextSettings& settings, std::string_view cp850, double x,
                               double y) {
  const std::string text = TextOf(cp850);
  if (text.empty()) return;
  const double n = static_cast<double>(text.size());
  WriteEntity({kTypeGeneralNote, "0", ""},
              {"212,1," + std::to_string(text.size()) + "," +
                   Coordinate(n * settings.height * settings.widthFactor) + "," +
                   Coordinate(settings.height) + ",1,," +
                   IgesAngle(settings.angle * kDegree, setup_.format) + ",0,0," + Coordinate(x) +
                   "," + Coordinate(y) + ",0.0,",
               Hollerith(text) + ";"});
}

void IgesFileWriter::BeginBlock(const CadPrimitiveState&, std::string_view name) {
  if (recording_) EndBlock();  // blocks are not nested here
  blocks_.push_back({std::string(name), false, {}});
  recording_ = true;
}

void IgesFileWriter::EndBlock() {
  if (!recording_) return;
  recording_ = false;
  blocks_.back().complete = true;
}

std::optional<std::size_t> IgesFileWriter::FindBlock(std::string_view name) {
  for (std::size_t i = 0; i < blocks_.size(); ++i)
    if (blocks_[i].complete && blocks_[i].name == name) return i;
  messages_.Add("Blockname " + std::string(name) + " not found !");
  return std::nullopt;
}

void IgesFileWriter::Insert(const CadPrimitiveState&, std::string_view name, double x, double y,
                            double angle, double sx, double sy) {
  // Only complete blocks are found, so a block never holds itself.
  const std::optional<std::size_t> block = FindBlock(name);
  if (!block) return;
  if (Recording()) {
    BlockPrimitive insert = Kept(BlockPrimitive::Kind::Insert, {x, y});
    insert.a1 = angle;
    insert.sx = sx;
    insert.sy = sy;
    insert.block = *block;
    return Record(std::move(insert));
  }
  const int colour = colour_;
  const int lineFont = lineFont_;
  WritePlaced(blocks_[*block], InsertPlacement::Of(x, y, angle, sx, sy));
  colour_ = colour;
  lineFont_ = lineFont;
}

void IgesFileWriter::WritePlaced(const Block& block, const InsertPlacement& placement) {
  using Kind = BlockPrimitive::Kind;
  for (const BlockPrimitive& p : block.primitives) {
    colour_ = p.colour;
    lineFont_ = p.lineFont;
    const PlacedPoint at = placement.Point(p.xy[0], p.xy[1]);
    switch (p.kind) {
      case Kind::Line: {
        const PlacedPoint to = placement.Point(p.xy[2], p.xy[3]);
        WriteLine(at.x, at.y, to.x, to.y);
        break;
      }
      case Kind::Circle:
        WriteCircle(at.x, at.y, p.r * placement.RadiusFactor());
        break;
      case Kind::Arc: {
        double a1 = placement.Direction(p.a1);
        double a2 = placement.Direction(p.a2);
        if (placement.Mirrors()) std::swap(a1, a2);  // a mirrored arc runs the other way
        WriteArc(at.x, at.y, a1, a2, p.r * placement.RadiusFactor());
        break;
      }
      case Kind::Solid: {
        std::array<double, 8> xy{};
        for (std::size_t i = 0; i < 8; i += 2) {
          const PlacedPoint corner = placement.Point(p.xy[i], p.xy[i + 1]);
          xy[i] = corner.x;
          xy[i + 1] = corner.y;
        }
        WriteSolid(xy);
        break;
      }
      case Kind::Text: {
        // Height across the base line, width along it.
        DxfTextSettings text = p.text;
        const double across = placement.Stretch(p.text.angle + 90);
        text.height *= across;
        if (across > 0) text.widthFactor *= placement.Stretch(p.text.angle) / across;
        text.angle = placement.Direction(p.text.angle);
        WriteText(text, p.value, at.x, at.y);
        break;
      }
      case Kind::Insert:
        WritePlaced(blocks_[p.block],
                    placement.After(InsertPlacement::Of(p.xy[0], p.xy[1], p.a1, p.sx, p.sy)));
        break;
    }
  }
}

std::string IgesFileWriter::Finish() {
  std::string file = start_ + global_ + directory_;
  if (failure_.empty() && workingFileOpen_) {
    parameters_.close();
    if (parameters_.fail()) Fail("write error (disk full?)");
  }
  if (failure_.empty() && workingFileOpen_) {
    std::ifstream in(setup_.parameterFile, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in || bytes.size() != parameterBytes_) {
      Fail("cannot read it back");
    } else {
      file += bytes;
    }
  }
  CloseAndRemoveWorkingFile();
  char counts[64];
  std::snprintf(counts, sizeof counts, "S%07dG%07dD%07dP%07d", sCount_, gCount_, dCount_, pCount_);
  return file + IgesLine(counts, 'T', 1);
}

}  // namespace zt6
