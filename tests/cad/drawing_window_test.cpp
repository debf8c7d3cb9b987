#include "cad/drawing_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "base/codepage.h"

namespace zt6 {

void PrintTo(const PixelPoint& p, std::ostream* os) { *os << '(' << p.x << ',' << p.y << ')'; }
void PrintTo(const PixelRect& r, std::ostream* os) {
  *os << '(' << r.x1 << ',' << r.y1 << ',' << r.x2 << ',' << r.y2 << ')';
}
void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "rgb(" << int{c.r} << ',' << int{c.g} << ',' << int{c.b} << ')';
}

namespace {

// Every paint call with the pen, brush and text colour in force at that moment.
struct Call {
  std::string kind;
  std::vector<PixelPoint> points;
  Rgb pen;
  int penWidth = 0;
  PenStyle penStyle = PenStyle::Solid;
  Rgb brush;
  bool brushSolid = false;
  Rgb textColour;
  TextFont font;
  std::string text;
};

class RecordingCanvas : public Canvas {
 public:
  void SetPen(Rgb colour, int width, PenStyle style) override {
    state_.pen = colour;
    state_.penWidth = width;
    state_.penStyle = style;
  }
  void SetBrush(Rgb colour, bool solid) override {
    state_.brush = colour;
    state_.brushSolid = solid;
  }
  void SetTextColour(Rgb colour) override { state_.textColour = colour; }
  void Line(PixelPoint from, PixelPoint to) override { Add("line", {from, to}); }
  void Ellipse(PixelPoint topLeft, PixelPoint bottomRight) override {
    Add("ellipse", {topLeft, bottomRight});
  }
  void Arc(PixelPoint topLeft, PixelPoint bottomRight, PixelPoint start,
           PixelPoint end) override {
    Add("arc", {topLeft, bottomRight, start, end});
  }
  void Polygon(const std::array<PixelPoint, 4>& corners) override {
    Add("polygon", {corners.begin(), corners.end()});
  }
  void Text(PixelPoint topLeft, const TextFont& font, std::string_view utf8) override {
    Call& call = Add("text", {topLeft});
    call.font = font;
    call.text = utf8;
  }

  std::vector<Call> calls;

 private:
  Call& Add(const char* kind, std::vector<PixelPoint> points) {
    Call call = state_;
    call.kind = kind;
    call.points = std::move(points);
    calls.push_back(std::move(call));
    return calls.back();
  }
  Call state_;
};

constexpr Rgb kBlack{};
constexpr Rgb kRed{0xFF, 0, 0};
constexpr Rgb kCyan{0, 0xFF, 0xFF};

DrawingSettings Screen(int width, int height) {
  DrawingSettings s;
  s.screenWidth = width;
  s.screenHeight = height;
  return s;
}

// The command number and every field of a record read as numbers.
std::vector<double> Numbers(const std::string& record) {
  std::vector<double> numbers;
  std::size_t start = 0;
  while (start <= record.size()) {
    std::size_t end = record.find(';', start);
    if (end == std::string::npos) end = record.size();
    numbers.push_back(ReadStreamReal(record.substr(start, end - start)));
    start = end + 1;
  }
  return numbers;
}

// A window whose virtual screen has square pixels (0.75·W/H = 1).
class DrawingWindowTest : public ::testing::Test {
 protected:
  DrawingWindowTest() { window.sleepEnabled = false; }

  // World 0..100 x 0..75 on the whole screen without border: 10 pixels per mm.
  void TenPixelsPerMm() { window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 75); }

  bool cancel = false;
  DrawingWindow window{cancel, Screen(1000, 750)};
};

TEST(StreamNumber, WritesGeneralFormatAndReadsItBack) {
  struct Case {
    double value;
    const char* text;
  };
  const std::vector<Case> cases = {
      {12.5, "12.5"},           {2.0, "2"},
      {0, "0"},                 {-0.25, "-0.25"},
      {1.0 / 3, "0.33333333"},  {12345678, "12345678"},
      {123456789, "1.2345679E+08"}, {99999999.7, "1E+08"},
      {0.00001, "0.00001"},     {0.000012345678, "0.000012345678"},
      {1e-6, "1E-06"},          {-1.5e-7, "-1.5E-07"},
      {1e100, "1E+100"},        {9.999999999, "10"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StreamReal(c.value), c.text) << c.value;
    EXPECT_NEAR(ReadStreamReal(c.text), c.value, std::abs(c.value) * 1e-7) << c.text;
  }
}

TEST(StreamNumber, MalformedTextReadsAsZero) {
  for (const char* text : {"", "abc", "1,5", "12x", "--1", "1e999"}) {
    EXPECT_EQ(ReadStreamReal(text), 0) << text;
  }
  EXPECT_EQ(ReadStreamReal(" -7.25 "), -7.25);
  EXPECT_EQ(ReadStreamInteger("42"), 42);
  EXPECT_EQ(ReadStreamInteger("-3"), -3);
  for (const char* text : {"", "4.2", "x", "99999999999"}) {
    EXPECT_EQ(ReadStreamInteger(text), 0) << text;
  }
}

TEST(Palette, ColoursAndCadColourNumbers) {
  EXPECT_EQ(PaletteColour(9), (Rgb{0, 0, 0xFF}));
  EXPECT_EQ(PaletteColour(8), (Rgb{0xB0, 0xB0, 0xB0}));
  EXPECT_EQ(PaletteColour(15), (Rgb{0xFF, 0xFF, 0xFF}));
  for (int outside : {-1, 17}) EXPECT_EQ(PaletteColour(outside), kBlack) << outside;

  const std::vector<std::pair<int, int>> turbo = {
      {0, 0},  {1, 12}, {2, 14}, {3, 10},  {4, 11}, {5, 9},  {6, 13}, {7, 15},
      {8, 1},  {15, 8}, {16, 12}, {17, 14}, {23, 1}, {31, 16}, {-2, 0}};
  for (const auto& [cad, index] : turbo) EXPECT_EQ(GetColorTurbo(cad), index) << cad;

  EXPECT_EQ(CadColourName(3), Oem("grün"));
  EXPECT_EQ(Cp850ToUtf8(CadColourName(7)), "weiß");
  EXPECT_EQ(CadColourName(16), "schwarz");
  EXPECT_EQ(CadColourName(0), "");
  EXPECT_EQ(CadColourName(17), "");
  EXPECT_EQ(WindowsRgb(0x00336699), (Rgb{0x99, 0x66, 0x33}));
}

TEST_F(DrawingWindowTest, ArcBelowFourDegreesIsRecordedAsItsChord) {
  struct Case {
    double a1, a2;
    const char* record;
  };
  const std::vector<Case> cases = {
      {0, 3, "4;10;0;9.9862953;0.52335956"},
      {350, 10, "5;-10;-10;10;10;9.8480775;-1.7364818;9.8480775;1.7364818"},
      {0, 4, "5;-10;-10;10;10;10;0;9.9756405;0.69756474"},
      {90, 0, "5;-10;-10;10;10;0;10;10;0"},  // three quarters the long way round
      // Negative angles: 2 -> -359 is 359 degrees, -358 -> 3 only one.
      {2, -359, "5;-10;-10;10;10;9.9939083;0.34899497;9.9984770;0.17452406"},
      {-358, 3, "4;9.9939083;0.34899497;9.9862953;0.52335956"},
  };
  for (const Case& c : cases) {
    window.Clear();
    window.Arc(0, 0, c.a1, c.a2, 10);
    ASSERT_EQ(window.Records().size(), 1u);
    const std::string& record = window.Records()[0];
    // Compared as numbers: cos 90 degrees is not exactly 0.
    const std::vector<double> got = Numbers(record);
    const std::vector<double> expected = Numbers(c.record);
    ASSERT_EQ(got.size(), expected.size()) << c.a1 << " -> " << c.a2 << ": " << record;
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_NEAR(got[i], expected[i], 1e-6) << c.a1 << " -> " << c.a2 << ": " << record;
    }
  }
}

TEST_F(DrawingWindowTest, RepeatedColourStyleAndWidthAreRecordedOnce) {
  window.SetColor(5);
  window.SetColor(5);
  window.SetColor(17);
  window.SetColor(16);
  window.SetColorAcad(1);
  window.SetLineStyle(2);
  window.SetLineStyle(2);
  window.SetLineWidth(1);  // already the width after creation
  window.SetLineWidth(3);
  window.SetLineWidth(3);
  window.SetTextStyle(1, 45, 2.5, 2);
  window.SetTextStyle(1, 45, 2.5, 2);
  EXPECT_EQ(window.Records(), (std::vector<std::string>{"8;5", "8;16", "8;12", "11;2", "12;3",
                                                         "9;2.5;2;1;45", "9;2.5;2;1;45"}));
  EXPECT_EQ(window.GetColor(), 12);

  // A new drawing starts from nothing: its first colour is recorded again.
  window.Clear();
  window.SetColor(12);
  window.SetLineStyle(2);
  window.SetLineWidth(3);
  EXPECT_EQ(window.Records(), (std::vector<std::string>{"8;12", "11;2", "12;3"}));
}

TEST_F(DrawingWindowTest, LineStyleNames) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"DOTTED", "11;1"},  {"PUNKT", "11;1"},    {"CENTER", "11;2"},   {"DASHDOT", "11;2"},
      {"STRICHPUNKT", "11;2"}, {"DASHED", "11;3"}, {"HIDDEN", "11;3"}, {"VERDECKT", "11;3"},
      {"CONTINUOUS", "11;0"}, {"dotted", "11;0"}, {"", "11;0"}};
  for (const auto& [name, record] : cases) {
    window.Clear();
    window.SetLineStyleName(name);
    EXPECT_EQ(window.Records(), std::vector<std::string>{record}) << name;
  }
}

TEST_F(DrawingWindowTest, RectangleAndTextRecords) {
  window.Rectangle(0, 0, 20, 10);
  window.OutTextXY("a;b", 1.5, 2);
  EXPECT_EQ(window.Records(),
            (std::vector<std::string>{"4;0;0;20;0", "4;20;0;20;10", "4;20;10;0;10",
                                      "4;0;10;0;0", "6;1.5;2;a;b"}));
}

TEST(DrawingWindowHeader, AspectFactorAndBorderedViewport) {
  bool cancel = false;
  DrawingWindow window(cancel, Screen(1023, 767));
  window.Header(0, 0, 200, 100);
  // The aspect factor comes from the window before the call, 0..1 after creation.
  EXPECT_NEAR(window.AspectFactor(), 1023 * 0.75 / 767 * 640 / 480, 1e-12);
  EXPECT_EQ(window.Viewport(), (PixelRect{1, 1, 1022, 766}));
  EXPECT_EQ(window.Records(), (std::vector<std::string>{"10;1;1;1022;766;0;0;200;100", "11;0"}));
  EXPECT_TRUE(window.KeepAspect());

  window.Header(0, 0, 50, 50);
  EXPECT_NEAR(window.AspectFactor(), 1023 * 0.75 / 767 * (640.0 / 200) / (480.0 / 100), 1e-12);

  // The limit saved by the header comes back as a window record.
  window.RestoreLimit();
  EXPECT_EQ(window.Records().back(), "10;1;1;1022;766;0;0;50;50");
  EXPECT_FALSE(cancel);
}

TEST(DrawingWindowHeader, ViewportFractionsRoundHalfToEven) {
  bool cancel = false;
  DrawingWindow window(cancel, Screen(1021, 765));
  window.SetWindow(false, false, 0.5, 0.5, 1, 1, 0, 0, 10, 10);
  // 0.5 * 1021 = 510.5 and 0.5 * 765 = 382.5 both round down to the even pixel.
  EXPECT_EQ(window.Viewport(), (PixelRect{510, 0, 1021, 382}));
}

TEST_F(DrawingWindowTest, DegenerateWindowSetsCancelAndKeepsTheScale) {
  window.Header(0, 0, 100, 75);
  const double sx = window.ScaleX();
  const double sy = window.ScaleY();
  const WorldRect visible = window.VisibleWorld();
  window.SetWindow(true, true, 0, 0, 1, 1, 5, 0, 5, 10);
  EXPECT_TRUE(cancel);
  EXPECT_EQ(window.ScaleX(), sx);
  EXPECT_EQ(window.ScaleY(), sy);
  EXPECT_EQ(window.VisibleWorld(), visible);
  EXPECT_EQ(window.Records().back(), "10;1;1;999;749;5;0;5;10");
}

TEST(DrawingWindowScale, KeepAspectFitsTheWholeWorldWindowWithEqualScales) {
  struct Case {
    bool keepAspect;
    int w, h;
    double vpx2, wx2, wy2;
    double sx, sy;
  };
  const std::vector<Case> cases = {
      // A wide world on a tall viewport (256 x 767 pixels): the width decides.
      {true, 1023, 767, 0.25, 100, 10, 2.56, 2.56},
      {false, 1023, 767, 0.25, 100, 10, 2.56, 76.7},
      // A tall world on the whole screen: the height decides.
      {true, 1023, 767, 1, 10, 100, 7.67, 7.67},
      // A drawing area far from 4:3 still draws circles round.
      {true, 1600, 600, 1, 100, 100, 6, 6},
  };
  for (const Case& c : cases) {
    bool cancel = false;
    DrawingWindow window(cancel, Screen(c.w, c.h));
    window.SetWindow(c.keepAspect, false, 0, 0, c.vpx2, 1, 0, 0, c.wx2, c.wy2);
    EXPECT_NEAR(window.ScaleX(), c.sx, 1e-9) << c.keepAspect << " " << c.wx2;
    EXPECT_NEAR(window.ScaleY(), c.sy, 1e-9) << c.keepAspect << " " << c.wx2;
  }
}

TEST_F(DrawingWindowTest, ReplayMapsRecordsToPixels) {
  TenPixelsPerMm();
  window.SetColor(4);
  window.line(10, 20, 30, 40);
  window.circle(50, 30, 5);
  window.Arc(50, 30, 0, 90, 10);
  window.Solid(0, 0, 10, 0, 10, 10, 0, 10);
  window.SetTextStyle(0, 0, 2.5, 2);
  window.OutTextXY(Oem("Maß; <1>"), 10, 20);
  window.SetTextStyle(0, 90, 2.5, 2);
  window.OutTextXY("up", 10, 20);
  EXPECT_EQ(window.X(12.34), 123);
  EXPECT_EQ(window.Y(20), 550);

  RecordingCanvas screen;
  window.Replay(screen);
  ASSERT_EQ(screen.calls.size(), 6u);
  const std::vector<std::pair<std::string, std::vector<PixelPoint>>> expected = {
      {"line", {{100, 550}, {300, 350}}},
      {"ellipse", {{450, 400}, {550, 500}}},
      {"arc", {{400, 350}, {600, 550}, {600, 450}, {500, 350}}},
      {"polygon", {{0, 750}, {100, 750}, {100, 650}, {0, 650}}},
      {"text", {{100, 520}}},  // top left 0.75·h above the base line, h = 2.5·1.6
      {"text", {{72, 550}}},   // turned: 0.7·h to the left of the base point
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(screen.calls[i].kind, expected[i].first) << i;
    EXPECT_EQ(screen.calls[i].points, expected[i].second) << i;
    EXPECT_EQ(screen.calls[i].pen, kRed) << i;
  }
  EXPECT_FALSE(screen.calls[1].brushSolid);
  EXPECT_TRUE(screen.calls[3].brushSolid);
  EXPECT_EQ(screen.calls[3].brush, kRed);

  const Call& text = screen.calls[4];
  EXPECT_EQ(text.text, "Maß; <1>");
  EXPECT_EQ(text.font.face, "Arial");
  EXPECT_EQ(text.font.height, 40);  // 2.5 · 1.6 mm
  EXPECT_EQ(text.font.width, 18);   // 2 · 1.1 · 0.8 mm = 17.6 pixels
  EXPECT_EQ(text.font.escapement, 0);
  EXPECT_EQ(text.font.weight, 100);
  EXPECT_EQ(text.textColour, kRed);
  EXPECT_EQ(screen.calls[5].font.escapement, 900);
}

TEST_F(DrawingWindowTest, ReplayStopsAtADegenerateWindow) {
  TenPixelsPerMm();
  window.line(0, 0, 1, 1);
  window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 0, 10);
  window.line(0, 0, 1, 1);
  cancel = false;
  RecordingCanvas screen;
  window.Replay(screen);
  EXPECT_EQ(screen.calls.size(), 1u);
  EXPECT_TRUE(cancel);
}

TEST_F(DrawingWindowTest, ColourDisplayAndMonochrome) {
  struct Case {
    bool colourDisplay;
    int colour;
    Rgb pen, brush, text;
  };
  const Rgb background{0x10, 0x20, 0x30};
  const std::vector<Case> cases = {
      {true, 4, kRed, kRed, kRed},
      {false, 4, kBlack, kBlack, kBlack},  // filled areas black on a monochrome screen
      {true, 0, background, background, background},
      {false, 0, background, kBlack, background},
  };
  for (const Case& c : cases) {
    DrawingSettings settings = Screen(1000, 750);
    settings.colourDisplay = c.colourDisplay;
    settings.backgroundColour = 0x302010;
    window.SetSettings(settings);
    window.Clear();
    TenPixelsPerMm();
    window.SetColor(c.colour);
    window.line(0, 0, 1, 1);
    window.Solid(0, 0, 1, 0, 1, 1, 0, 1);
    window.OutTextXY("t", 0, 0);
    RecordingCanvas screen;
    window.Replay(screen);
    ASSERT_EQ(screen.calls.size(), 3u);
    EXPECT_EQ(screen.calls[0].pen, c.pen) << c.colourDisplay << " " << c.colour;
    EXPECT_EQ(screen.calls[1].brush, c.brush) << c.colourDisplay << " " << c.colour;
    EXPECT_EQ(screen.calls[2].textColour, c.text) << c.colourDisplay << " " << c.colour;
  }
}

TEST_F(DrawingWindowTest, PrintingMapsToThePageAndWidensThePen) {
  DrawingSettings settings = Screen(1000, 750);
  settings.printFrame = true;
  settings.printerOriginX = 10;
  settings.printerOriginY = 20;
  window.SetSettings(settings);
  TenPixelsPerMm();
  window.SetColor(4);
  window.SetLineWidth(2);
  window.line(10, 20, 30, 40);
  window.SetTextStyle(0, 0, 2.5, 2);
  window.OutTextXY("t", 10, 20);

  RecordingCanvas screen;
  RecordingCanvas paper;
  const PrinterPage page{&paper, 2100, 2970};
  window.Replay(screen, &page);

  // Text goes to paper only.
  ASSERT_EQ(screen.calls.size(), 1u);
  EXPECT_EQ(screen.calls[0].penWidth, 2);
  ASSERT_EQ(paper.calls.size(), 6u);
  // Frame round the world window in palette colour 11; origin 10 mm, 20 mm on A4 width.
  const std::vector<std::vector<PixelPoint>> frame = {{{100, 3170}, {100, 200}},
                                                      {{100, 200}, {2200, 200}},
                                                      {{2200, 200}, {2200, 3170}},
                                                      {{2200, 3170}, {100, 3170}}};
  for (std::size_t i = 0; i < frame.size(); ++i) {
    EXPECT_EQ(paper.calls[i].points, frame[i]) << i;
    EXPECT_EQ(paper.calls[i].pen, kCyan) << i;
  }
  EXPECT_EQ(paper.calls[4].points, (std::vector<PixelPoint>{{310, 2378}, {730, 1586}}));
  EXPECT_EQ(paper.calls[4].penWidth, 8);
  EXPECT_EQ(paper.calls[4].pen, kBlack);  // monochrome printing
  EXPECT_EQ(paper.calls[5].kind, "text");
  EXPECT_EQ(paper.calls[5].font.height, 158);  // 2970 · 4 mm · 10 / 750
  EXPECT_EQ(paper.calls[5].textColour, kBlack);

  settings.printerColourMode = 2;
  window.SetSettings(settings);
  RecordingCanvas colourPaper;
  const PrinterPage colourPage{&colourPaper, 2100, 2970};
  window.Replay(screen, &colourPage);
  ASSERT_EQ(colourPaper.calls.size(), 6u);
  EXPECT_EQ(colourPaper.calls[4].pen, kRed);
  EXPECT_EQ(colourPaper.calls[5].textColour, kRed);
}

TEST_F(DrawingWindowTest, KeysZoomAndPanTheZoomRectangle) {
  struct Case {
    std::vector<int> keys;
    PixelRect zoom;
  };
  constexpr int kPlus = 107, kMinus = 109, kA = 65;
  const std::vector<Case> cases = {
      {{kA}, {0, 0, 1000, 750}},  // nothing to repeat yet
      {{kPlus}, {84, 63, 916, 687}},
      {{kPlus, kA}, {154, 115, 846, 635}},
      {{kMinus}, {-100, -75, 1100, 825}},
      {{38}, {0, -75, 1000, 675}},     // up: the picture moves up
      {{40, kA}, {0, 150, 1000, 900}},  // down twice
      {{34}, {0, 375, 1000, 1125}},    // page down: five steps
      {{33}, {0, -375, 1000, 375}},
      {{39}, {-100, 0, 900, 750}},
      {{37}, {100, 0, 1100, 750}},
      {{kPlus, 27}, {0, 0, 1000, 750}},
      {{kPlus, 116}, {0, 0, 1000, 750}},
  };
  for (const Case& c : cases) {
    bool caseCancel = false;
    DrawingWindow w(caseCancel, Screen(1000, 750));
    w.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 75);
    for (int key : c.keys) w.ProcessKey(key);
    EXPECT_EQ(w.Zoom(), c.zoom) << "keys " << c.keys.size() << " first " << c.keys[0];
  }

  EXPECT_FALSE(window.ProcessKey(kA));
  EXPECT_TRUE(window.ProcessKey(kPlus));
  EXPECT_TRUE(window.ProcessKey(kA));
}

TEST_F(DrawingWindowTest, ZoomActsOnTheReplay) {
  TenPixelsPerMm();
  window.line(50, 37.5, 60, 37.5);
  window.ProcessKey(107);  // zoom rectangle 84,63 .. 916,687 around the centre
  RecordingCanvas screen;
  window.Replay(screen);
  ASSERT_EQ(screen.calls.size(), 1u);
  // Visible world from 8.4 mm; 1000 / 83.2 pixels per mm.
  EXPECT_EQ(screen.calls[0].points, (std::vector<PixelPoint>{{500, 375}, {620, 375}}));
}

TEST_F(DrawingWindowTest, RubberBandZoom) {
  TenPixelsPerMm();
  // A click without dragging does not zoom.
  EXPECT_FALSE(window.MouseDown(MouseButton::Left, {100, 100}));
  EXPECT_TRUE(window.Dragging());
  window.MouseMove({100, 100});
  EXPECT_FALSE(window.MouseUp({100, 100}, 1000, 750));
  EXPECT_FALSE(window.Dragging());
  EXPECT_EQ(window.Zoom(), (PixelRect{0, 0, 1000, 750}));

  // Dragged from bottom right to top left; y of the zoom rectangle counts upwards.
  window.MouseDown(MouseButton::Left, {750, 450});
  window.MouseMove({300, 200});
  EXPECT_EQ(window.DragEnd(), (PixelPoint{300, 200}));
  EXPECT_TRUE(window.MouseUp({250, 150}, 1000, 750));
  EXPECT_EQ(window.Zoom(), (PixelRect{250, 300, 750, 600}));

  EXPECT_TRUE(window.MouseDown(MouseButton::Right, {0, 0}));
  EXPECT_EQ(window.Zoom(), (PixelRect{0, 0, 1000, 750}));
  EXPECT_FALSE(window.Dragging());
}

TEST(DrawingWindowMouse, KeepAspectZoomShowsTheDraggedRegion) {
  bool cancel = false;
  DrawingWindow window(cancel, Screen(1000, 750));
  // A wide drawing: equal scales leave the lower half of the window to it.
  window.Header(0, 0, 200, 75);
  ASSERT_DOUBLE_EQ(window.ScaleX(), window.ScaleY());
  const double s = window.ScaleX();
  window.MouseDown(MouseButton::Left, {100, 500});
  EXPECT_TRUE(window.MouseUp({400, 700}, 1000, 750));
  // Drawing units under the dragged corners before the zoom.
  const double x1 = (100 - 1) / s, x2 = (400 - 1) / s;
  const double y1 = (749 - 700) / s, y2 = (749 - 500) / s;
  EXPECT_DOUBLE_EQ(window.ScaleX(), window.ScaleY());
  const WorldRect seen = window.VisibleWorld();
  EXPECT_NEAR(seen.x1, x1, 0.2);
  EXPECT_NEAR(seen.y1, y1, 0.2);
  // The whole dragged region is on screen and fills it in one direction.
  EXPECT_LE(window.X(x2), 999);
  EXPECT_GE(window.Y(y2), 1);
  EXPECT_TRUE(std::abs(window.X(x2) - 999) <= 2 || std::abs(window.Y(y2) - 1) <= 2);
}

TEST_F(DrawingWindowTest, DoubleClickThenClickResetsEverything) {
  window.Header(0, 0, 100, 75);
  window.ProcessKey(107);
  const std::size_t records = window.Records().size();
  window.DoubleClick();
  EXPECT_TRUE(window.MouseDown(MouseButton::Left, {5, 5}));
  EXPECT_FALSE(window.Dragging());
  EXPECT_EQ(window.Zoom(), (PixelRect{0, 0, 1000, 750}));
  EXPECT_EQ(window.Records().size(), records + 2);
  EXPECT_EQ(window.Records()[records], "10;1;1;999;749;0;0;100;75");
  EXPECT_EQ(window.Records().back(), "10;0;0;1000;750;0;0;1;1");
  // The replay after the reset keeps the proportions of the drawing.
  EXPECT_TRUE(window.KeepAspect());
  // The double click is used up: the next left button starts a rubber band.
  EXPECT_FALSE(window.MouseDown(MouseButton::Left, {5, 5}));
  EXPECT_TRUE(window.Dragging());
}

TEST_F(DrawingWindowTest, LogoLiesInsideItsWindowInTwoColours) {
  window.DrawMorvaneLogo();
  const std::vector<std::string>& records = window.Records();
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records[0], "10;1;1;999;749;-1;-1;38;33");
  int solids = 0;
  std::vector<std::string> colours;
  for (const std::string& record : records) {
    if (record.rfind("8;", 0) == 0) colours.push_back(record);
    if (record.rfind("7;", 0) != 0) continue;
    ++solids;
    const std::vector<double> v = Numbers(record);
    ASSERT_EQ(v.size(), 9u) << record;
    for (std::size_t i = 1; i < v.size(); ++i) {
      EXPECT_TRUE(v[i] >= -1 && v[i] <= (i % 2 == 1 ? 38 : 33)) << record;
    }
  }
  EXPECT_GE(solids, 3);
  EXPECT_EQ(colours, (std::vector<std::string>{"8;9", "8;13"}));
}

}  // namespace
}  // namespace zt6
