#pragma once
// The drawing window: every drawing call appends one command record (a text line) to
// the drawing command stream; painting replays the whole stream against the current
// world window, zoom rectangle and pan position. Zoom and pan never change the
// stream, only the mapping used when it is replayed. One instance per process.
//
// World coordinates are drawing units (mm), y upwards; pixels are device pixels of
// the drawing area, y downwards; angles are degrees counter-clockwise from +x. Texts
// in the stream are CP850, as the program holds them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cad/canvas.h"

namespace zt6 {

// Recorded text widths are widened by this much when the stream is replayed.
inline constexpr double kReplayTextWidth = 1.1;

// The settings of the drawing area, taken from the configuration.
struct DrawingSettings {
  int screenWidth = 1023;        // W: drawing-area width - 1
  int screenHeight = 767;        // H: drawing-area height - 1
  double zoomFactor = 1.2;       // <= 0 becomes 1.0
  double panFactor = 0.1;
  int backgroundColour = 1;      // Windows RGB value 0x00BBGGRR
  bool colourDisplay = true;     // false: monochrome screen graphics
  std::string fontName = "Arial";  // CP850
  double textWidthFactor = 0.8;  // <= 0 becomes 1.0
  double textHeightFactor = 1.0; // <= 0 becomes 1.0
  int textStyleFlags = 0;        // bit 0 bold, 1 italic, 2 underline, 3 strike-out; 1..15 only
  // Printing a drawing.
  int printerColourMode = 1;     // 1 monochrome, 2 colour
  bool printFrame = false;       // frame round the world window on paper
  double printerScaleX = 1.0;
  double printerScaleY = 1.0;
  int printerOriginX = 0;        // mm from the page's left edge
  int printerOriginY = 0;        // mm from the page's top edge
};

struct PixelRect {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct WorldRect {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  friend bool operator==(const WorldRect&, const WorldRect&) = default;
};

// The printer page a replay also paints on, in device pixels.
struct PrinterPage {
  Canvas* canvas = nullptr;
  int width = 0;   // PW
  int height = 0;  // PH
  // The page on the paper, when the printer tells it: pixels per millimetre and the
  // printable area's top left corner on the paper (mm). With them a paper sheet prints
  // at its own size.
  double pixelsPerMm = 0;
  double left = 0;
  double top = 0;
  // "anpassen": the visible drawing as large as the page holds it, its aspect kept.
  bool fit = false;
};

enum class MouseButton { Left, Right, Middle };

// Palette index 0..16 -> colour; other indices give black.
Rgb PaletteColour(int index);
// CAD colour number (layer colours) -> palette index.
int GetColorTurbo(int cadColour);
// Name of CAD colour 1..16 in CP850 ("rot", "gelb", "grün" ...); empty outside.
std::string CadColourName(int cadColour);
// A Windows RGB value 0x00BBGGRR as a colour.
Rgb WindowsRgb(int value);

// Reals of the stream: general format, at most 8 significant digits, trailing zeros
// removed, fixed notation from 0.00001 up to 8 integer digits, scientific otherwise
// (at least two exponent digits); "." as decimal separator.
std::string StreamReal(double value);
// Reads a stream real or integer; malformed text reads as 0.
double ReadStreamReal(std::string_view text);
int ReadStreamInteger(std::string_view text);

class DrawingWindow {
 public:
  // cancelFlag is the program's cancel flag, set by a degenerate world window.
  DrawingWindow(bool& cancelFlag, DrawingSettings settings = {});

  void SetSettings(const DrawingSettings& settings);
  const DrawingSettings& Settings() const { return settings_; }
  // The average character width the replay gives a text of the recorded style width.
  double CharacterWidth(double recordedWidth) const {
    return recordedWidth * kReplayTextWidth * settings_.textWidthFactor;
  }

  // --- Recording -------------------------------------------------------------------
  // Viewport as fractions of the virtual screen, y upwards; border shrinks it by one
  // pixel on every side.
  void SetWindow(bool keepAspect, bool border, double vpx1, double vpy1, double vpx2,
                 double vpy2, double wx1, double wy1, double wx2, double wy2);
  // Starts every drawing: aspect factor, whole-screen window with border, solid lines.
  void Header(double wx1, double wy1, double wx2, double wy2);
  // The drawing is a paper sheet of width x height mm with its lower left corner at the
  // world's origin (a manufacturing drawing on A4): paper prints it at its own size.
  // Every Header clears it.
  void SetPaperSheet(double width, double height) { paperSheet_ = {width, height}; }
  void circle(double x, double y, double r);
  void line(double x1, double y1, double x2, double y2);
  // Below 4 degrees of counter-clockwise sweep the chord is recorded as a line.
  void Arc(double x, double y, double a1, double a2, double r);
  void OutTextXY(std::string_view text, double x, double y);
  void Solid(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
             double y4);
  void SetColor(int n);
  void SetColorAcad(int cadColour) { SetColor(GetColorTurbo(cadColour)); }
  int GetColor() const { return currentColour_; }
  void SetLineStyle(int n);
  void SetLineStyleName(std::string_view name);
  void SetLineWidth(int n);
  void SetTextStyle(int font, double angle, double height, double width);
  void SleepMs(int ms);
  void Rectangle(double x1, double y1, double x2, double y2);
  void DrawMorvaneLogo();

  // --- Window operations (no record unless stated) ---------------------------------
  void Clear();
  void SaveLimit();
  void RestoreLimit();  // records a window record
  void ReSetWindow();
  void SetScale(int zx1, int zy1, int zx2, int zy2);
  void ResetZoom();
  void SaveViewPort();
  void RetrieveViewPort();

  // --- Replay ----------------------------------------------------------------------
  // Paints the whole stream on screen; with a printer page also on paper (text then
  // only on paper). Record 13 pauses only when not printing and sleepEnabled.
  void Replay(Canvas& screen, const PrinterPage* printer = nullptr);
  bool sleepEnabled = true;

  // --- Navigation ------------------------------------------------------------------
  // Virtual key codes; returns true when the picture must be repainted.
  bool ProcessKey(int virtualKey);
  // Mouse handling with the client size of the drawing area. Each returns true when
  // the picture must be repainted. While dragging, the rubber band runs from
  // DragStart() to DragEnd(); the window draws it.
  bool MouseDown(MouseButton button, PixelPoint point);
  void MouseMove(PixelPoint point);
  bool MouseUp(PixelPoint point, int clientWidth, int clientHeight);
  void DoubleClick();
  bool Dragging() const { return dragging_; }
  PixelPoint DragStart() const { return dragStart_; }
  PixelPoint DragEnd() const { return dragEnd_; }

  // --- State -----------------------------------------------------------------------
  const std::vector<std::string>& Records() const { return records_; }
  PixelRect Viewport() const { return viewport_; }
  WorldRect World() const { return world_; }
  PixelRect Zoom() const { return zoom_; }
  WorldRect VisibleWorld() const { return visibleWorld_; }
  double ScaleX() const { return sx_; }
  double ScaleY() const { return sy_; }
  double AspectFactor() const { return aspect_; }
  bool KeepAspect() const { return keepAspect_; }
  // Width and height of the paper sheet in mm; 0 0 when the drawing is none.
  std::array<double, 2> PaperSheet() const { return paperSheet_; }

  // World -> screen pixels, and world sizes in pixels.
  int X(double x) const;
  int Y(double y) const;
  int PixelHeight(double v) const;

 private:
  // What one replay target was last told, since a canvas takes pen and brush whole.
  struct TargetState {
    Rgb pen;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    Rgb brush;
    Rgb text;
  };

  void Record(std::string record);
  void ReplayRecord(const std::string& record, Canvas& screen, const PrinterPage* printer,
                    bool& stop);
  void ReplayColour(int n, Canvas& screen, const PrinterPage* printer);
  void ReplayText(std::string_view fields, Canvas& screen, const PrinterPage* printer);

  bool& cancel_;
  DrawingSettings settings_;
  std::vector<std::string> records_;

  PixelRect viewport_{0, 0, 1, 1};
  PixelRect savedViewport_{0, 0, 1, 1};
  WorldRect world_{0, 0, 1, 1};
  WorldRect savedWorld_{0, 0, 1, 1};
  PixelRect zoom_{0, 0, 640, 480};
  WorldRect visibleWorld_{0, 0, 0, 0};
  double sx_ = 1;
  double sy_ = 1;
  bool keepAspect_ = true;
  double aspect_ = 1;
  std::array<double, 2> paperSheet_{0, 0};

  int currentColour_ = -1;
  int currentStyle_ = 99;
  int currentWidth_ = 1;

  // Replay state.
  double textHeight_ = 3.5;
  double textWidth_ = 3.5;
  double textAngle_ = 0;
  int replayColour_ = 1;
  bool printing_ = false;
  TargetState screenState_;
  TargetState printerState_;

  // Navigation state.
  int lastAction_ = 0;  // the last zoom or pan key, 0 before the first
  bool dragging_ = false;
  bool doubleClicked_ = false;
  PixelPoint dragStart_;
  PixelPoint dragEnd_;
};

}  // namespace zt6
