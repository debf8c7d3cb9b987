// Replay of the drawing command stream on the screen canvas and, while printing, on
// the printer page as well.

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "base/beta_symbols.h"
#include "base/codepage.h"
#include "cad/drawing_window.h"
#include "cad/pixel_round.h"

namespace zt6 {
namespace {

constexpr Rgb kBlack{};
// The printer origin is given in mm and converted with the page width taken as A4.
constexpr double kPageWidthMm = 210;

// Splits the fields after the command number, extra fields ignored; with
// lastTakesRest the last field is everything after the ones before it, ";" included.
std::vector<std::string_view> Fields(std::string_view rest, std::size_t count,
                                     bool lastTakesRest = false) {
  std::vector<std::string_view> fields;
  while (fields.size() < count) {
    const bool last = fields.size() + 1 == count;
    const std::size_t semicolon =
        last && lastTakesRest ? std::string_view::npos : rest.find(';');
    fields.push_back(rest.substr(0, semicolon));
    if (semicolon == std::string_view::npos) break;
    rest.remove_prefix(semicolon + 1);
  }
  fields.resize(count);  // missing fields read as empty, that is 0
  return fields;
}

// World -> device pixels of one target: the screen as the window maps it, or the
// printer page. On paper a sheet whose paper size is known prints at its own size
// (times the print scale, moved by the print origin in mm), and "anpassen" fits the
// visible drawing into the page with its aspect kept; any other drawing is the
// virtual screen scaled onto the page.
class Mapping {
 public:
  Mapping(const DrawingWindow& window, const PrinterPage* page)
      : window_(window), page_(page) {
    if (page_ == nullptr) return;
    const DrawingSettings& s = window_.Settings();
    const std::array<double, 2> sheet = window_.PaperSheet();
    if (page_->fit) {
      const WorldRect w = window_.VisibleWorld();
      const double ww = w.x2 - w.x1;
      const double wh = w.y2 - w.y1;
      if (ww <= 0 || wh <= 0) return;
      const double k = std::min(page_->width / ww, page_->height / wh);
      direct_ = true;
      kx_ = ky_ = k;
      ox_ = (page_->width - ww * k) / 2 - w.x1 * k;
      oy_ = (page_->height - wh * k) / 2 + w.y2 * k;
    } else if (sheet[0] > 0 && page_->pixelsPerMm > 0) {
      const double ppm = page_->pixelsPerMm;
      direct_ = true;
      kx_ = ppm * s.printerScaleX;
      ky_ = ppm * s.printerScaleY;
      ox_ = (s.printerOriginX - page_->left) * ppm;
      oy_ = (s.printerOriginY + sheet[1] * s.printerScaleY - page_->top) * ppm;
    }
  }

  PixelPoint Point(double x, double y) const { return {MapX(x), MapY(y)}; }

  int MapX(double x) const {
    if (page_ == nullptr) return window_.X(x);
    if (direct_) return RoundPixel(ox_ + x * kx_);
    const DrawingSettings& s = window_.Settings();
    const double pw = page_->width;
    return RoundPixel(pw * s.printerOriginX / kPageWidthMm) +
           RoundPixel(pw * ((x - window_.VisibleWorld().x1) * window_.ScaleX() +
                            window_.Viewport().x1) *
                      s.printerScaleX / s.screenWidth);
  }

  int MapY(double y) const {
    if (page_ == nullptr) return window_.Y(y);
    if (direct_) return RoundPixel(oy_ - y * ky_);
    const DrawingSettings& s = window_.Settings();
    const double pw = page_->width;
    const double ph = page_->height;
    return RoundPixel(pw * s.printerOriginY / kPageWidthMm) +
           RoundPixel(ph * (window_.Viewport().y2 -
                            (y - window_.VisibleWorld().y1) * window_.ScaleY()) *
                      s.printerScaleY / s.screenHeight);
  }

  int Width(double v) const { return RoundPixel(ExactWidth(v)); }

  double ExactWidth(double v) const {
    if (page_ == nullptr) return v * window_.ScaleX();
    if (direct_) return v * kx_;
    const DrawingSettings& s = window_.Settings();
    return page_->width * v * window_.ScaleX() * s.printerScaleX / s.screenWidth;
  }

  int Height(double v) const {
    if (page_ == nullptr) return window_.PixelHeight(v);
    if (direct_) return RoundPixel(v * ky_);
    const DrawingSettings& s = window_.Settings();
    return RoundPixel(page_->height * v * window_.ScaleY() * s.printerScaleY /
                      s.screenHeight);
  }

 private:
  const DrawingWindow& window_;
  const PrinterPage* page_;
  // page x = ox + x kx, page y = oy - y ky: world millimetres straight onto the page.
  bool direct_ = false;
  double kx_ = 0, ky_ = 0, ox_ = 0, oy_ = 0;
};

PenStyle PenStyleOf(int n) {
  switch (n) {
    case 1: return PenStyle::Dotted;
    case 2: return PenStyle::DashDot;
    case 3: return PenStyle::Dashed;
    default: return PenStyle::Solid;
  }
}

}  // namespace

void DrawingWindow::Replay(Canvas& screen, const PrinterPage* printer) {
  if (printer != nullptr && printer->canvas == nullptr) printer = nullptr;
  printing_ = printer != nullptr;

  textHeight_ = 3.5;
  textWidth_ = 3.5;
  textAngle_ = 0;
  replayColour_ = 1;
  currentStyle_ = 99;
  currentWidth_ = 1;
  // Every target starts from the same known pens, whatever it painted before.
  screenState_ = {};
  printerState_ = {};
  auto start = [](Canvas& canvas, const TargetState& state) {
    canvas.SetPen(state.pen, state.penWidth, state.penStyle);
    canvas.SetBrush(state.brush, true);
    canvas.SetTextColour(state.text);
  };
  start(screen, screenState_);

  if (printing_) {
    if (settings_.printFrame && settings_.colourDisplay) printerState_.pen = PaletteColour(11);
    start(*printer->canvas, printerState_);
    if (settings_.printFrame) {
      const Mapping paper(*this, printer);
      const std::array<PixelPoint, 4> corners{
          paper.Point(world_.x1, world_.y1), paper.Point(world_.x1, world_.y2),
          paper.Point(world_.x2, world_.y2), paper.Point(world_.x2, world_.y1)};
      for (std::size_t i = 0; i < corners.size(); ++i) {
        printer->canvas->Line(corners[i], corners[(i + 1) % corners.size()]);
      }
    }
  }

  bool stop = false;
  for (const std::string& record : records_) {
    ReplayRecord(record, screen, printer, stop);
    if (stop) break;
  }
  printing_ = false;
}

void DrawingWindow::ReplayRecord(const std::string& record, Canvas& screen,
                                 const PrinterPage* printer, bool& stop) {
  const std::string_view text(record);
  const std::size_t semicolon = text.find(';');
  const int command = ReadStreamInteger(text.substr(0, semicolon));
  const std::string_view rest =
      semicolon == std::string_view::npos ? std::string_view() : text.substr(semicolon + 1);

  // Each drawing step is performed on the screen and, while printing, on paper.
  auto onTargets = [&](auto&& step) {
    step(screen, Mapping(*this, nullptr), screenState_, false);
    if (printing_) step(*printer->canvas, Mapping(*this, printer), printerState_, true);
  };
  auto reals = [&](std::size_t count) {
    std::vector<double> values;
    for (std::string_view field : Fields(rest, count)) values.push_back(ReadStreamReal(field));
    return values;
  };

  switch (command) {
    case 3: {
      const std::vector<double> f = reals(3);
      onTargets([&](Canvas& canvas, const Mapping& m, const TargetState& state, bool) {
        canvas.SetBrush(state.brush, false);
        canvas.Ellipse(m.Point(f[0] - f[2], f[1] + f[2]), m.Point(f[0] + f[2], f[1] - f[2]));
      });
      break;
    }
    case 4: {
      const std::vector<double> f = reals(4);
      onTargets([&](Canvas& canvas, const Mapping& m, const TargetState&, bool) {
        canvas.Line(m.Point(f[0], f[1]), m.Point(f[2], f[3]));
      });
      break;
    }
    case 5: {
      const std::vector<double> f = reals(8);
      onTargets([&](Canvas& canvas, const Mapping& m, const TargetState&, bool) {
        const PixelPoint a = m.Point(f[0], f[1]);
        const PixelPoint b = m.Point(f[2], f[3]);
        canvas.Arc({std::min(a.x, b.x), std::min(a.y, b.y)},
                   {std::max(a.x, b.x), std::max(a.y, b.y)}, m.Point(f[4], f[5]),
                   m.Point(f[6], f[7]));
      });
      break;
    }
    case 6:
      ReplayText(rest, screen, printer);
      break;
    case 7: {
      const std::vector<double> f = reals(8);
      onTargets([&](Canvas& canvas, const Mapping& m, TargetState& state, bool) {
        if (!settings_.colourDisplay) state.brush = kBlack;
        canvas.SetBrush(state.brush, true);
        canvas.Polygon({m.Point(f[0], f[1]), m.Point(f[2], f[3]), m.Point(f[4], f[5]),
                        m.Point(f[6], f[7])});
      });
      break;
    }
    case 8:
      ReplayColour(ReadStreamInteger(Fields(rest, 1)[0]), screen, printer);
      break;
    case 9: {
      const std::vector<double> f = reals(4);
      textHeight_ = f[0] * 1.6 * settings_.textHeightFactor;
      textWidth_ = CharacterWidth(f[1]);
      textAngle_ = f[3];
      break;
    }
    case 10: {
      const std::vector<std::string_view> f = Fields(rest, 8);
      viewport_ = {ReadStreamInteger(f[0]), ReadStreamInteger(f[1]), ReadStreamInteger(f[2]),
                   ReadStreamInteger(f[3])};
      world_ = {ReadStreamReal(f[4]), ReadStreamReal(f[5]), ReadStreamReal(f[6]),
                ReadStreamReal(f[7])};
      if (world_.x1 == world_.x2 || world_.y1 == world_.y2) {
        cancel_ = true;
        stop = true;
        break;
      }
      // The current zoom acts on every window of the stream.
      SetScale(zoom_.x1, zoom_.y1, zoom_.x2, zoom_.y2);
      break;
    }
    case 11: {
      const PenStyle style = PenStyleOf(ReadStreamInteger(Fields(rest, 1)[0]));
      onTargets([&](Canvas& canvas, const Mapping&, TargetState& state, bool) {
        state.penStyle = style;
        canvas.SetPen(state.pen, state.penWidth, state.penStyle);
      });
      break;
    }
    case 12: {
      const int width = ReadStreamInteger(Fields(rest, 1)[0]);
      onTargets([&](Canvas& canvas, const Mapping&, TargetState& state, bool onPaper) {
        // Printer pixels are far smaller than screen pixels.
        state.penWidth = onPaper ? 4 * width : width;
        canvas.SetPen(state.pen, state.penWidth, state.penStyle);
      });
      break;
    }
    case 13: {
      const int ms = ReadStreamInteger(Fields(rest, 1)[0]);
      if (!printing_ && sleepEnabled && ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      }
      break;
    }
    default:
      break;  // unknown or non-numeric command numbers are skipped
  }
}

void DrawingWindow::ReplayColour(int n, Canvas& screen, const PrinterPage* printer) {
  if (n < 0 || n > 16) return;
  const Rgb background = WindowsRgb(settings_.backgroundColour);
  auto apply = [&](Canvas& canvas, TargetState& state, bool inColour) {
    if (n == 0) {
      state.pen = state.brush = state.text = background;
    } else if (inColour) {
      state.pen = state.brush = state.text = PaletteColour(n);
    } else {
      state.pen = state.text = kBlack;
      state.brush = background;
    }
    canvas.SetPen(state.pen, state.penWidth, state.penStyle);
    canvas.SetBrush(state.brush, true);
    canvas.SetTextColour(state.text);
  };
  apply(screen, screenState_, settings_.colourDisplay);
  if (printing_) apply(*printer->canvas, printerState_, settings_.printerColourMode == 2);
  replayColour_ = n;
}

void DrawingWindow::ReplayText(std::string_view fields, Canvas& screen,
                               const PrinterPage* printer) {
  const std::vector<std::string_view> f = Fields(fields, 3, true);
  const double x = ReadStreamReal(f[0]);
  const double y = ReadStreamReal(f[1]);
  // Text goes to one device only: the paper while printing.
  Canvas& canvas = printing_ ? *printer->canvas : screen;
  TargetState& state = printing_ ? printerState_ : screenState_;
  const Mapping m(*this, printing_ ? printer : nullptr);

  TextFont font;
  font.face = Cp850ToUtf8(settings_.fontName);
  font.height = m.Height(textHeight_);
  font.width = m.Width(textWidth_);
  // The room the drawing reckoned with, before the width was rounded to pixels.
  font.length = static_cast<double>(f[2].size()) * m.ExactWidth(textWidth_);
  font.escapement = RoundPixel(textAngle_ * 10);
  const int flags = settings_.textStyleFlags;
  if (flags >= 1 && flags <= 15) {
    font.weight = (flags & 1) != 0 ? 700 : 100;
    font.italic = (flags & 2) != 0;
    font.underline = (flags & 4) != 0;
    font.strikeOut = (flags & 8) != 0;
  }

  const bool monochrome =
      !settings_.colourDisplay || (printing_ && settings_.printerColourMode != 2);
  if (replayColour_ == 0) {
    state.text = WindowsRgb(settings_.backgroundColour);
  } else if (monochrome) {
    state.text = kBlack;
  } else if (replayColour_ >= 1 && replayColour_ <= 15) {
    state.text = PaletteColour(replayColour_);
  }
  canvas.SetTextColour(state.text);

  // The stream holds the left end of the base line; the canvas wants the top left.
  const double a = textAngle_ * std::numbers::pi / 180.0;
  const double h = textHeight_;
  canvas.Text(m.Point(x - std::sin(a) * 0.7 * h, y + std::cos(a) * 0.75 * h), font,
              Cp850ToUtf8WithBeta(f[2]));
}

}  // namespace zt6
