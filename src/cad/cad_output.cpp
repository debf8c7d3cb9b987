#include "cad/cad_output.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <system_error>

#include "base/codepage.h"
#include "base/safe_file.h"
#include "cad/arc_construction.h"
#include "cad/block_file.h"
#include "cad/dxf_file_writer.h"
#include "cad/iges_writer.h"
#include "cad/manufacturing_frame.h"
#include "cad/text_cad_writer.h"
#include "cad/text_fit.h"
#include "calc/run_messages.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
// The screen's text width against the width of a text style.
constexpr double kScreenTextWidth = 0.95;
// Block files are the program's own intermediate files: always full precision and the
// program's code page, whatever the settings of the CAD files are.
constexpr int kBlockFileDecimals = 9;
DxfLayerTable LayerTableOf(const CadSettings& settings) {
  DxfLayerTable table;
  for (std::size_t i = 0; i < 5; ++i) {
    table.names[i] = settings.layerNames[i + 1];
    table.colours[i] = settings.layerColours[i + 1];
  }
  table.colours16to31 = settings.colours16to31;
  table.monochrome = settings.layerMonochrome;
  table.fontName = settings.fontName;
  return table;
}

bool FileExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace

const char* ExtensionOf(CadOutputType type) {
  switch (type) {
    case CadOutputType::Dxf: return "dxf";
    case CadOutputType::Iges: return "igs";
    case CadOutputType::Text: return "txt";
    default: return "";
  }
}

CadOutput::CadOutput(DrawingWindow& screen, RunMessages& messages, bool& cancelFlag,
                     CadPorts& ports)
    : screen_(screen), messages_(messages), cancel_(cancelFlag), ports_(ports) {}

CadOutput::~CadOutput() = default;

fs::path CadOutput::BlockFilePath(std::string_view name) const {
  return settings_.temporaryFolder / ("$" + Cp850ToUtf8(name) + ".dx$");
}

std::string CadOutput::LayerName(int n) const {
  if (n >= 1 && n <= 5) return settings_.layerNames[static_cast<std::size_t>(n)];
  return std::to_string(n);
}

CadPrimitiveState CadOutput::PrimitiveState() const {
  return CadPrimitiveState{layer_, LayerName(layer_), text_};
}

bool CadOutput::HoldsPolylines() const {
  return ToScreenBlockFile() || (!ToScreen() && file_ && file_->HoldsPolylines());
}

// --- Output and sections ------------------------------------------------------------

bool CadOutput::ChooseFile(const std::string& extension) {
  const std::optional<std::string> chosen = ports_.ChooseOutputFile(extension);
  if (!chosen || chosen->empty()) {
    cancel_ = true;
    return false;
  }
  outputFile_ = *chosen;
  if (fs::path(outputFile_).filename().string().find('.') == std::string::npos)
    outputFile_ += "." + extension;
  return true;
}

void CadOutput::StartOutput(CadOutputType type) {
  offsetX_ = offsetY_ = 0;
  justifyH_ = justifyV_ = 0;
  lineSpacing_ = 1.0;
  dimensionUnit_ = 1.0;
  inBlocks_ = false;
  nesting_ = 0;
  transform_ = InsertTransform{};
  file_.reset();
  dxfFile_ = nullptr;
  blockFile_.reset();
  blockFilesWritten_.clear();
  blocksRead_.clear();
  outputFile_.clear();

  if (type == CadOutputType::Choose) {
    const std::optional<int> chosen = ports_.ChooseOutputType();
    if (!chosen || *chosen < 1 || *chosen > 5) {
      cancel_ = true;
      return;
    }
    type = static_cast<CadOutputType>(*chosen);
  }
  type_ = type;
  const FormatSettings& format = settings_.format;
  switch (type) {
    case CadOutputType::Screen:
      screen_.SetLineStyle(0);
      screen_.Clear();
      ports_.SetWaitCursor(true);
      return;
    case CadOutputType::Dxf: {
      if (!ChooseFile(ExtensionOf(type))) return;
      auto dxf = std::make_unique<DxfFileWriter>(settings_.decimals, settings_.textMode, format,
                                                 LayerTableOf(settings_));
      dxfFile_ = dxf.get();
      file_ = std::move(dxf);
      return;
    }
    case CadOutputType::Plot: {
      if (!ports_.ChoosePlotCommandLine()) {
        cancel_ = true;
        return;
      }
      outputFile_ = (settings_.temporaryFolder / "plotrix.dxf").string();
      auto dxf = std::make_unique<DxfFileWriter>(settings_.decimals, settings_.textMode, format,
                                                 LayerTableOf(settings_));
      dxfFile_ = dxf.get();
      file_ = std::move(dxf);
      ports_.ShowStatus(Utf8ToCp850(outputFile_) + " wird geplottet..");
      return;
    }
    case CadOutputType::Iges: {
      if (!ChooseFile(ExtensionOf(type))) return;
      IgesFileSetup setup;
      setup.outputFile = outputFile_;
      const fs::path work = settings_.workFolder ? settings_.workFolder() : fs::path();
      setup.parameterFile = (work.empty() ? settings_.temporaryFolder : work) / "MORVIGES.$$$";
      setup.format = format;
      setup.textMode = settings_.textMode;
      setup.layers = LayerTableOf(settings_);
      setup.ownerText = settings_.ownerText;
      setup.installationText = settings_.installationText;
      setup.now = settings_.now;
      file_ = std::make_unique<IgesFileWriter>(std::move(setup), messages_);
      break;
    }
    case CadOutputType::Text:
    default:
      if (!ChooseFile(ExtensionOf(CadOutputType::Text))) return;
      file_ = std::make_unique<TextCadWriter>(settings_.decimals, settings_.textMode, format);
      break;
  }
  if (file_ && !file_->Failure().empty()) {
    ports_.ReportWriteError(outputFile_, file_->Failure());
    file_.reset();
    cancel_ = true;
  }
}

void CadOutput::StartSheet(double x1, double y1, double x2, double y2) {
  limits_ = {x1, y1, x2, y2};
  if (ToScreen()) {
    screen_.Header(x1, y1, x2, y2);
  } else if (file_) {
    file_->StartSheet(x1, y1, x2, y2);
  }
  DrawFrameAndFooter();
}

void CadOutput::PaperSheet(double width, double height) {
  if (ToScreen()) screen_.SetPaperSheet(width, height);
}

void CadOutput::DrawFrameAndFooter() {
  const double width = limits_[2] - limits_[0];
  const double height = limits_[3] - limits_[1];
  if ((ToScreen() || type_ == CadOutputType::Plot) && settings_.printFrame) {
    Layer(19);
    Rectangle(limits_[0], limits_[1], limits_[2], limits_[3]);
  }
  if (!ToScreen()) return;
  Layer(30);
  TextStyle(2, 0, 0.006 * height, 0.0045 * width);
  Text(settings_.footerText, limits_[0] + 0.002 * width, limits_[1] + 0.005 * height);
}

void CadOutput::WriteTables(int variant) {
  if (file_) file_->Tables(variant);
}

void CadOutput::BeginBlocks() {
  if (file_) file_->BeginBlocks();
  inBlocks_ = true;
}

void CadOutput::EndSection() {
  if (inBlocks_ && type_ == CadOutputType::Plot) CopyLogoBlocks();
  if (file_) file_->EndSection();
  inBlocks_ = false;
}

void CadOutput::BeginBlock(std::string_view name) {
  if (cancel_) return;
  if (ToScreen()) {
    std::error_code ec;
    if (!fs::is_directory(settings_.temporaryFolder, ec)) {
      cancel_ = true;
      return;
    }
    blockFilePath_ = BlockFilePath(name);
    blockFile_ = std::make_unique<DxfWriter>(kBlockFileDecimals, CadTextMode::Oem,
                                             settings_.format);
    return;
  }
  if (file_) file_->BeginBlock(PrimitiveState(), name);
}

void CadOutput::EndBlock() {
  if (cancel_) {
    // The block could not be begun: drop what there is and go on with the next one.
    cancel_ = false;
    blockFile_.reset();
    return;
  }
  if (ToScreen()) {
    if (!blockFile_) return;
    blockFile_->EndOfFile();
    const SafeWriteResult written = WriteFileSafely(blockFilePath_, blockFile_->Bytes());
    blockFile_.reset();
    if (!written.ok) {
      ports_.ReportWriteError(blockFilePath_, written.error);
      cancel_ = true;
      return;
    }
    blockFilesWritten_.push_back(blockFilePath_);
    blocksRead_.erase(blockFilePath_);
    return;
  }
  if (file_) file_->EndBlock();
}

void CadOutput::BeginEntities() {
  if (file_) file_->BeginEntities();
  if (ToScreen()) {
    ports_.RequestRepaint();
    screen_.SetLineStyle(0);
  }
  if (ToScreen() || type_ == CadOutputType::Plot) InsertLogos();
}

void CadOutput::InsertLogos() {
  const double width = limits_[2] - limits_[0];
  const double height = limits_[3] - limits_[1];
  if (FileExists(BlockFilePath("LOGO_2")))
    Insert("LOGO_2", limits_[0] + 0.91 * width, limits_[1] + 0.01 * height, 0, width / 480,
           height / 360);
  if (FileExists(BlockFilePath("LOGO_3")))
    Insert("LOGO_3", limits_[0] + 0.91 * width, limits_[1] + 0.96 * height, 0, width / 480,
           height / 360);
}

// The plot program's DXF needs the logos as block definitions, taken from their files.
void CadOutput::CopyLogoBlocks() {
  if (!dxfFile_) return;
  for (const char* name : {"LOGO_2", "LOGO_3", kFrameLogoBlock}) {
    const fs::path path = BlockFilePath(name);
    if (!FileExists(path)) continue;
    const FileContent content = ReadWholeFile(path, kMaxBlockFileBytes);
    DxfWriter& dxf = dxfFile_->Raw();
    dxf.BeginBlock(LayerName(layer_), name);
    if (content.ok && !content.tooLarge) {
      for (const DxfGroup& group : ReadDxfGroups(content.bytes)) {
        if (group.code == 0 && group.value == "EOF") break;
        // The file's own handles would repeat those of this file: each gets a new one.
        if (group.code == 0) {
          dxf.Start(group.value);
        } else if (group.code > 0 && group.code != 5) {
          dxf.Group(group.code, std::string_view(group.value));
        }
      }
    }
    dxf.EndBlock();
  }
}

void CadOutput::FinishOutput() {
  if (ToScreen()) {
    ports_.RequestRepaint();
    ports_.SetWaitCursor(false);
    // Only the files of this drawing: logo files in the same folder are the user's.
    for (const fs::path& path : blockFilesWritten_) {
      std::error_code ec;
      fs::remove(path, ec);
    }
    blockFilesWritten_.clear();
    blocksRead_.clear();
    return;
  }
  if (!file_) return;
  const std::string bytes = file_->Finish();
  const std::string failure = file_->Failure();
  file_.reset();
  dxfFile_ = nullptr;
  if (!failure.empty()) {
    ports_.ReportWriteError(outputFile_, failure);
    cancel_ = true;
    return;
  }
  if (type_ != CadOutputType::Plot && ports_.TakeOutput(bytes)) return;
  const SafeWriteResult written = WriteFileSafely(outputFile_, bytes);
  if (!written.ok) {
    ports_.ReportWriteError(outputFile_, written.error);
    cancel_ = true;
    return;
  }
  if (type_ == CadOutputType::Plot) ports_.RunPlotProgram(outputFile_);
}

// --- State --------------------------------------------------------------------------

void CadOutput::Layer(int n) {
  if (n > 31) n = n % 16 + 16;
  if (n < 0) n = 0;
  layer_ = n;
  if (file_) file_->Layer(PrimitiveState());
  if (ToScreenOutsideBlocks()) ScreenLayerAttributes();
}

void CadOutput::ScreenLayerAttributes() {
  const int n = layer_;
  screen_.SetLineStyle(n == 1 ? 2 : n == 2 ? 3 : 0);
  if (n <= 5) {
    screen_.SetColor(GetColorTurbo(settings_.layerColours[static_cast<std::size_t>(n)]));
  } else if (n >= 16) {
    screen_.SetColor(GetColorTurbo(settings_.colours16to31[static_cast<std::size_t>(n - 16)]));
  } else {
    screen_.SetColor(n);
  }
  int width = 1;
  if (n >= 1 && n <= 5) {
    width = settings_.layerWidths[static_cast<std::size_t>(n)];
  } else if (n >= 16) {
    const int configured = settings_.widths16to31[static_cast<std::size_t>(n - 16)];
    if (configured >= 2 && configured <= 50) width = configured;
  }
  screen_.SetLineWidth(width);
}

void CadOutput::LineStyle(int n) {
  if (ToScreenOutsideBlocks()) screen_.SetLineStyle(n);
}

void CadOutput::TextStyle(int font, double angle, double height, double width) {
  styleFont_ = font;
  styleWidth_ = width;
  text_.height = height;
  const double ratio = width == 0 || height == 0 ? 0.7 : width / height;
  text_.widthFactor = settings_.textWidthFactor * ratio;
  text_.angle = angle;
  text_.obliqueAngle = settings_.textAngle;
  if (ToScreenOutsideBlocks())
    screen_.SetTextStyle(font, angle, height, kScreenTextWidth * width);
}

void CadOutput::Justification(int horizontal, int vertical) {
  justifyH_ = horizontal;
  justifyV_ = vertical;
}

void CadOutput::LineSpacing(double factor) { lineSpacing_ = factor; }

void CadOutput::DimensionUnit(double unit) {
  const double factor = settings_.dimensionFactor <= 0 ? 1.0 : settings_.dimensionFactor;
  dimensionUnit_ = unit * factor;
}

void CadOutput::Offsets(double dx, double dy) {
  offsetX_ = dx;
  offsetY_ = dy;
}

// --- Primitives ---------------------------------------------------------------------

void CadOutput::Line(double x1, double y1, double x2, double y2) {
  EmitLine(x1 + offsetX_, y1 + offsetY_, x2 + offsetX_, y2 + offsetY_);
}

void CadOutput::EmitLine(double x1, double y1, double x2, double y2) {
  if (ToScreenBlockFile()) {
    if (blockFile_) blockFile_->Line(LayerName(layer_), x1, y1, x2, y2);
  } else if (ToScreen()) {
    ScreenLine(x1, y1, x2, y2);
  } else if (file_) {
    file_->Line(PrimitiveState(), x1, y1, x2, y2);
  }
}

void CadOutput::Circle(double x, double y, double r) {
  // A circle of radius 0 shows nothing and is no valid CAD entity.
  if (r == 0) return;
  x += offsetX_;
  y += offsetY_;
  if (ToScreenBlockFile()) {
    if (blockFile_) blockFile_->Circle(LayerName(layer_), x, y, r);
  } else if (ToScreen()) {
    ScreenCircle(x, y, r);
  } else if (file_) {
    file_->Circle(PrimitiveState(), x, y, r);
  }
}

void CadOutput::Arc(double x, double y, double a1, double a2, double r) {
  EmitArc(x + offsetX_, y + offsetY_, a1, a2, r);
}

void CadOutput::EmitArc(double x, double y, double a1, double a2, double r) {
  if (r == 0) return;
  if (ToScreenBlockFile()) {
    if (blockFile_) blockFile_->Arc(LayerName(layer_), x, y, a1, a2, r);
  } else if (ToScreen()) {
    ScreenArc(x, y, a1, a2, r);
  } else if (file_) {
    file_->Arc(PrimitiveState(), x, y, a1, a2, r);
  }
}

void CadOutput::EmitArcThrough(double x1, double y1, double x2, double y2, double phi) {
  const ArcThroughPoints arc = ArcThrough(x1, y1, x2, y2, phi);
  if (!arc.message.empty()) messages_.Add(arc.message);
  if (arc.ok) EmitArc(arc.cx, arc.cy, arc.startAngle, arc.endAngle, arc.r);
}

void CadOutput::Text(std::string_view cp850, double x, double y) {
  if (cp850.empty()) return;
  x += offsetX_;
  y += offsetY_;
  const double n = static_cast<double>(cp850.size());
  const double h = text_.height;
  const double w = text_.widthFactor;
  if (justifyH_ == 1) x -= n * h * w / 2;
  if (justifyH_ == 2) x -= n * h * w;
  if (justifyV_ == 1) y -= h / 2;
  if (justifyV_ == 2) y -= h;
  if (ToScreenBlockFile()) {
    if (blockFile_) blockFile_->Text(LayerName(layer_), cp850, x, y, text_);
  } else if (ToScreen()) {
    ScreenText(cp850, x, y);
  } else if (file_) {
    file_->Text(PrimitiveState(), cp850, x, y);
  }
}

double CadOutput::TextWidth(std::size_t characters) const {
  const double n = static_cast<double>(characters);
  // The screen draws with its own font width; its block files are read back through
  // a text style of the recorded width factor.
  if (ToScreenOutsideBlocks()) return n * screen_.CharacterWidth(kScreenTextWidth * styleWidth_);
  const double cad = n * text_.height * text_.widthFactor;
  if (ToScreenBlockFile()) return screen_.CharacterWidth(kScreenTextWidth * cad);
  return cad;
}

void CadOutput::TextWithin(std::string_view cp850, double x, double y, double room) {
  const TextFit fit =
      FitText(cp850, TextWidth(cp850.size()), room, LeastRatio(text_.widthFactor));
  if (fit.ratio == 1.0) return Text(fit.text, x, y);
  const DxfTextSettings style = text_;
  text_.widthFactor *= fit.ratio;
  if (ToScreenOutsideBlocks())
    screen_.SetTextStyle(styleFont_, text_.angle, text_.height,
                         kScreenTextWidth * styleWidth_ * fit.ratio);
  Text(fit.text, x, y);
  text_ = style;
  if (ToScreenOutsideBlocks())
    screen_.SetTextStyle(styleFont_, text_.angle, text_.height, kScreenTextWidth * styleWidth_);
}

void CadOutput::IdentifierWithin(std::string_view cp850, double x, double y, double room,
                                 double bottom, double top) {
  constexpr double kMargin = 0.3;  // kept free below and above the lines, mm
  const double h = text_.height;
  const double leastRatio = text_.widthFactor > kLeastIdentifierWidthFactor
                                ? kLeastIdentifierWidthFactor / text_.widthFactor
                                : 1.0;
  const IdentifierFit fit = FitIdentifier(cp850, TextWidth(cp850.size()), h, room,
                                          top - bottom - 2 * kMargin, leastRatio);
  if (fit.cut) {
    std::string_view named = cp850.substr(std::min(cp850.find_first_not_of(' '), cp850.size()));
    messages_.Add(Oem("Warnung: Text gekürzt: ") + std::string(named));
  }
  if (fit.lines.empty()) return;
  const int font = styleFont_;
  const double width = styleWidth_;
  const DxfTextSettings style = text_;
  const double scale = fit.height / h;
  TextStyle(font, style.angle, fit.height, width * scale);
  text_.widthFactor *= fit.ratio;
  if (ToScreenOutsideBlocks())
    screen_.SetTextStyle(font, style.angle, fit.height, kScreenTextWidth * width * scale * fit.ratio);
  if (fit.lines.size() == 1) {
    Text(fit.lines[0], x, y);
  } else {
    // Two lines about the middle of the one line they replace, within the cell.
    const double step = kIdentifierLineStep * fit.height;
    double first = y + h / 2 + (step + fit.height) / 2 - fit.height;
    first = std::min(first, top - kMargin - fit.height);
    first = std::max(first, bottom + kMargin + step);
    Text(fit.lines[0], x, first);
    Text(fit.lines[1], x, first - step);
  }
  TextStyle(font, style.angle, h, width);
  text_ = style;
}

void CadOutput::Solid(double x1, double y1, double x2, double y2, double x3, double y3,
                      double x4, double y4) {
  const std::array<double, 8> xy{x1 + offsetX_, y1 + offsetY_, x2 + offsetX_, y2 + offsetY_,
                                  x3 + offsetX_, y3 + offsetY_, x4 + offsetX_, y4 + offsetY_};
  if (ToScreenBlockFile()) {
    if (blockFile_) blockFile_->Solid(LayerName(layer_), xy);
  } else if (ToScreen()) {
    ScreenSolid(xy);
  } else if (file_) {
    file_->Solid(PrimitiveState(), xy);
  }
}

void CadOutput::Insert(std::string_view name, double x, double y, double angle, double sx,
                       double sy) {
  x += offsetX_;
  y += offsetY_;
  if (ToScreenBlockFile()) {
    if (blockFile_) blockFile_->Insert(LayerName(layer_), name, x, y, angle, sx, sy);
  } else if (ToScreen()) {
    ScreenInsert(name, x, y, angle, sx, sy);
  } else if (file_) {
    file_->Insert(PrimitiveState(), name, x, y, angle, sx, sy);
  }
}

void CadOutput::MoveTo(double x, double y) {
  cursorX_ = x;
  cursorY_ = y;
}

void CadOutput::LineTo(double x, double y) {
  Line(cursorX_, cursorY_, x, y);
  MoveTo(x, y);
}

void CadOutput::Rectangle(double x1, double y1, double x2, double y2) {
  MoveTo(x1, y1);
  LineTo(x1, y2);
  LineTo(x2, y2);
  LineTo(x2, y1);
  LineTo(x1, y1);
}

void CadOutput::HorizontalLine(double x, double y, double length) { Line(x, y, x + length, y); }

void CadOutput::TextLine(std::string_view cp850) {
  Text(cp850, cursorX_, cursorY_);
  cursorY_ -= 1.6 * text_.height * lineSpacing_;
}

void CadOutput::PolylineBegin(int flags) {
  vertexCount_ = 1;
  previousBulge_ = 0;
  if (!HoldsPolylines()) return;
  if (ToScreenBlockFile()) {
    if (blockFile_) blockFile_->PolylineBegin(LayerName(layer_), flags);
  } else if (file_) {
    file_->PolylineBegin(PrimitiveState(), flags);
  }
}

void CadOutput::Vertex(double x, double y, double phi) {
  if (HoldsPolylines()) {
    const double bulge = std::tan(phi / 4);
    if (ToScreenBlockFile()) {
      if (blockFile_) blockFile_->Vertex(LayerName(layer_), x + offsetX_, y + offsetY_, bulge);
    } else if (file_) {
      file_->Vertex(PrimitiveState(), x + offsetX_, y + offsetY_, bulge);
    }
  } else if (vertexCount_ > 1) {
    if (previousBulge_ != 0) {
      EmitArcThrough(cursorX_ + offsetX_, cursorY_ + offsetY_, x + offsetX_, y + offsetY_,
                     previousBulge_);
    } else {
      Line(cursorX_, cursorY_, x, y);
    }
  }
  MoveTo(x, y);
  previousBulge_ = phi;
  ++vertexCount_;
}

void CadOutput::PolylineEnd() {
  if (!HoldsPolylines()) return;
  if (ToScreenBlockFile()) {
    if (blockFile_) blockFile_->PolylineEnd(LayerName(layer_));
  } else if (file_) {
    file_->PolylineEnd(PrimitiveState());
  }
}

void CadOutput::Arrow(double x, double y, double directionDegrees) {
  const double length = 3.5 * dimensionUnit_;
  const double d = directionDegrees * kDegree;
  const double side = 10 * kDegree;
  Solid(x, y, x + length * std::cos(d + side), y + length * std::sin(d + side),
        x + length * std::cos(d - side), y + length * std::sin(d - side),
        x + length * std::cos(d), y + length * std::sin(d));
  Line(x, y, x + length * std::cos(d), y + length * std::sin(d));
}

}  // namespace zt6
