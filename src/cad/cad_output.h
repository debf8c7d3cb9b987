#pragma once
// The CAD output layer: one device-independent drawing interface in front of the DXF
// file, the plot program's DXF file, the screen (the drawing command stream) and the
// other file formats. Drawings are organised like a CAD file: a sheet with limits,
// named blocks defined once, and entities that insert them. The screen cannot hold
// blocks, so each block goes to a small DXF fragment "$name.dx$" in the temporary
// folder and every insert reads it back through the insert transformation.

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cad/cad_file_writer.h"
#include "cad/cad_ports.h"
#include "cad/cad_settings.h"
#include "cad/drawing_window.h"
#include "cad/dxf_writer.h"

namespace zt6 {

class RunMessages;
struct BlockEntity;
struct BlockFile;

// Origin, rotation (degrees) and scales of the blocks being expanded on the screen.
struct InsertTransform {
  double ox = 0;
  double oy = 0;
  double rotation = 0;
  double sx = 1;
  double sy = 1;
};

// Every block inserted at most this deep; deeper nesting is refused.
inline constexpr int kMaxBlockNesting = 4;

class CadOutput {
 public:
  CadOutput(DrawingWindow& screen, RunMessages& messages, bool& cancelFlag, CadPorts& ports);
  ~CadOutput();

  void SetSettings(CadSettings settings) { settings_ = std::move(settings); }
  const CadSettings& Settings() const { return settings_; }

  // --- Output and sections --------------------------------------------------------
  void StartOutput(CadOutputType type);
  void StartSheet(double x1, double y1, double x2, double y2);
  // After StartSheet: the sheet is paper of width x height mm (the screen prints it 1:1).
  void PaperSheet(double width, double height);
  void WriteTables(int variant);
  void BeginBlocks();
  void EndSection();
  void BeginBlock(std::string_view name);
  void EndBlock();
  void BeginEntities();
  void FinishOutput();

  // --- State ----------------------------------------------------------------------
  void Layer(int n);
  void LineStyle(int n);
  void TextStyle(int font, double angle, double height, double width);
  void Justification(int horizontal, int vertical);
  void LineSpacing(double factor);
  void DimensionUnit(double unit);
  void Offsets(double dx, double dy);

  // --- Primitives -----------------------------------------------------------------
  void Line(double x1, double y1, double x2, double y2);
  void Circle(double x, double y, double r);
  void Arc(double x, double y, double a1, double a2, double r);
  void Text(std::string_view cp850, double x, double y);
  // A text written from (x, y) to the right that must end within `room`, the way the
  // output measures it: its width factor shrinks, then characters are cut (text_fit.h).
  void TextWithin(std::string_view cp850, double x, double y, double room);
  // An identifier (number, name, material, person) from (x, y) in its cell, which ends
  // `room` to the right and spans bottom..top: narrower, lower, on two lines, and cut with
  // a mark and a run message naming it only when nothing else fits (text_fit.h).
  void IdentifierWithin(std::string_view cp850, double x, double y, double room, double bottom,
                        double top);
  // The width a text of n characters takes on this output at the current text style.
  double TextWidth(std::size_t characters) const;
  // Corners in DXF order: the third and fourth are exchanged against the outline.
  void Solid(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
             double y4);
  void Insert(std::string_view name, double x, double y, double angle, double sx, double sy);
  void MoveTo(double x, double y);
  void LineTo(double x, double y);
  void Rectangle(double x1, double y1, double x2, double y2);
  void HorizontalLine(double x, double y, double length);
  void TextLine(std::string_view cp850);
  void PolylineBegin(int flags);
  // phi: included angle in radians of the segment that starts here.
  void Vertex(double x, double y, double phi);
  void PolylineEnd();
  void Arrow(double x, double y, double directionDegrees);
  void VerticalDimension(std::string_view text, std::string_view upper, std::string_view lower,
                         double x1, double y1, double x2, double y2, double xd);

  // --- Reading the state ----------------------------------------------------------
  CadOutputType Type() const { return type_; }
  bool Cancelled() const { return cancel_; }
  const std::string& OutputFile() const { return outputFile_; }
  bool InBlocks() const { return inBlocks_; }
  int CurrentLayer() const { return layer_; }
  std::string LayerName(int n) const;
  double TextHeight() const { return text_.height; }
  double TextWidthFactor() const { return text_.widthFactor; }
  double TextAngle() const { return text_.angle; }
  double DimensionSize() const { return dimensionUnit_; }
  double CursorX() const { return cursorX_; }
  double CursorY() const { return cursorY_; }
  double LimitX1() const { return limits_[0]; }
  double LimitY1() const { return limits_[1]; }
  double LimitX2() const { return limits_[2]; }
  double LimitY2() const { return limits_[3]; }
  int NestingLevel() const { return nesting_; }
  // The block file of a name in the temporary folder.
  std::filesystem::path BlockFilePath(std::string_view name) const;

 private:
  bool ToScreen() const { return type_ == CadOutputType::Screen; }
  bool ToScreenOutsideBlocks() const { return ToScreen() && !inBlocks_; }
  bool ToScreenBlockFile() const { return ToScreen() && inBlocks_; }
  bool HoldsPolylines() const;
  CadPrimitiveState PrimitiveState() const;
  bool ChooseFile(const std::string& extension);
  void ScreenLayerAttributes();
  void DrawFrameAndFooter();
  void InsertLogos();
  void CopyLogoBlocks();

  // Primitives with offsets already added.
  void EmitLine(double x1, double y1, double x2, double y2);
  void EmitArc(double x, double y, double a1, double a2, double r);
  void EmitArcThrough(double x1, double y1, double x2, double y2, double phi);

  // Screen drawing through the insert transformation.
  void ScreenLine(double x1, double y1, double x2, double y2);
  void ScreenCircle(double x, double y, double r);
  void ScreenArc(double x, double y, double a1, double a2, double r);
  void ScreenText(std::string_view cp850, double x, double y);
  void ScreenSolid(const std::array<double, 8>& xy);
  void ScreenInsert(std::string_view name, double x, double y, double angle, double sx,
                    double sy);
  void DrawBlockEntity(const BlockEntity& entity);
  // The block file read and parsed once per drawing; null (and cancelled) when unreadable.
  std::shared_ptr<const BlockFile> BlockOf(std::string_view name);
  void LayerFromName(std::string_view name);
  void Transform(double& x, double& y) const;

  DrawingWindow& screen_;
  RunMessages& messages_;
  bool& cancel_;
  CadPorts& ports_;
  CadSettings settings_;

  CadOutputType type_ = CadOutputType::Screen;
  std::string outputFile_;
  std::unique_ptr<CadFileWriter> file_;
  class DxfFileWriter* dxfFile_ = nullptr;     // file_ when it is DXF
  std::unique_ptr<DxfWriter> blockFile_;       // screen block being written
  std::filesystem::path blockFilePath_;
  std::vector<std::filesystem::path> blockFilesWritten_;
  // Blocks read in this drawing: every tooth inserts the same one.
  std::map<std::filesystem::path, std::shared_ptr<const BlockFile>> blocksRead_;
  bool inBlocks_ = false;
  int layer_ = 0;
  DxfTextSettings text_;
  int styleFont_ = 0;        // font and width of the last text style, for the screen
  double styleWidth_ = 0;
  int justifyH_ = 0;
  int justifyV_ = 0;
  double lineSpacing_ = 1.0;
  double cursorX_ = 0;
  double cursorY_ = 0;
  double offsetX_ = 0;
  double offsetY_ = 0;
  double dimensionUnit_ = 1.0;
  int vertexCount_ = 1;
  double previousBulge_ = 0;
  double vertexX_ = 0;
  double vertexY_ = 0;
  std::array<double, 4> limits_{0, 0, 160, 120};
  int nesting_ = 0;
  InsertTransform transform_;
};

}  // namespace zt6
