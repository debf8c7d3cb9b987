#include "cad/hpgl_reader.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "cad/drawing_window.h"

namespace zt6 {

namespace {

constexpr std::size_t kMaxLabel = 255;
constexpr char kEndOfText = '\x03';
constexpr double kMaxCoordinate = 1e9;  // plotter units; beyond this a value is garbage
constexpr double kDefaultCharWidthCm = 0.19;
constexpr double kDefaultCharHeightCm = 0.27;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The umlaut that "}" makes of the letter before it under character set 3, in CP850.
std::optional<char> Umlaut(char letter) {
  switch (letter) {
    case 'A': return '\x8E';
    case 'O': return '\x99';
    case 'U': return '\x9A';
    case 'a': return '\x84';
    case 'o': return '\x94';
    case 'u': return '\x81';
    default: return std::nullopt;
  }
}

class PlotReader {
 public:
  PlotReader(DrawingWindow& drawing, std::string_view file) : d_(drawing), s_(file) {}

  void Run() {
    d_.SetTextStyle(0, 0, kDefaultCharHeightCm * 10, kDefaultCharWidthCm * 10);
    while (true) {
      SkipBlanks();
      if (AtEnd()) return;
      const char first = s_[pos_];
      if (!IsLetter(first)) {  // separators, stray ";" and garbage between commands
        ++pos_;
        continue;
      }
      if (pos_ + 1 >= s_.size()) return;  // cut in the middle of a command
      const char second = s_[pos_ + 1];
      if (!IsLetter(second)) {
        ++pos_;
        continue;
      }
      pos_ += 2;
      if (!Command(Upper(first), Upper(second))) return;
    }
  }

 private:
  bool AtEnd() const { return pos_ >= s_.size(); }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(s_[pos_])) ++pos_;
  }

  // The parameters of a command up to its ";" (or up to the next command's letters).
  // nullopt when the file ends first.
  std::optional<std::vector<double>> Parameters() {
    std::vector<double> values;
    while (true) {
      while (!AtEnd() && (IsBlank(s_[pos_]) || s_[pos_] == ',')) ++pos_;
      if (AtEnd()) return std::nullopt;
      const char c = s_[pos_];
      if (c == ';') {
        ++pos_;
        return values;
      }
      if (IsLetter(c)) return values;  // the next command follows without ";"
      if (const std::optional<double> v = Number()) {
        values.push_back(*v);
      } else {
        ++pos_;  // a character that is no part of a number
      }
    }
  }

  // A decimal number with optional sign and fraction; no exponent.
  std::optional<double> Number() {
    const std::size_t start = pos_;
    double sign = 1;
    if (s_[pos_] == '+' || s_[pos_] == '-') {
      if (s_[pos_] == '-') sign = -1;
      ++pos_;
    }
    double value = 0;
    bool digits = false;
    while (!AtEnd() && s_[pos_] >= '0' && s_[pos_] <= '9') {
      if (value < kMaxCoordinate * 10) value = value * 10 + (s_[pos_] - '0');
      digits = true;
      ++pos_;
    }
    if (!AtEnd() && s_[pos_] == '.') {
      ++pos_;
      double scale = 0.1;
      while (!AtEnd() && s_[pos_] >= '0' && s_[pos_] <= '9') {
        value += (s_[pos_] - '0') * scale;
        scale /= 10;
        digits = true;
        ++pos_;
      }
    }
    if (!digits) {
      pos_ = start + 1;
      return std::nullopt;
    }
    if (value > kMaxCoordinate) value = kMaxCoordinate;
    return sign * value;
  }

  // Skips to and past the next ";"; false when the file ends first.
  bool SkipCommand() {
    while (!AtEnd()) {
      if (s_[pos_++] == ';') return true;
    }
    return false;
  }

  void MoveOrDraw(double x, double y) {
    if (penDown_) d_.line(x_ * kPlotterUnit, y_ * kPlotterUnit, x * kPlotterUnit, y * kPlotterUnit);
    x_ = x;
    y_ = y;
  }

  void Points(const std::vector<double>& p) {
    for (std::size_t i = 0; i + 1 < p.size(); i += 2) MoveOrDraw(p[i], p[i + 1]);
  }

  void TextStyle() {
    d_.SetTextStyle(0, angle_, charHeightCm_ * 10, charWidthCm_ * 10);
  }

  bool Command(char a, char b) {
    if (a == 'L' && b == 'B') return Label();
    if (a == 'P' && b == 'E') return Encoded();
    const bool known = (a == 'S' && b == 'P') || (a == 'P' && (b == 'U' || b == 'D' || b == 'A')) ||
                       (a == 'C' && (b == 'I' || b == 'S')) || (a == 'A' && b == 'A') ||
                       (a == 'S' && b == 'I') || (a == 'D' && b == 'I');
    if (!known) return SkipCommand();
    const std::optional<std::vector<double>> p = Parameters();
    if (!p) return false;
    const std::vector<double>& v = *p;
    switch (a * 256 + b) {
      case 'S' * 256 + 'P': {
        const int colour = PenColour(v.empty() ? 0 : static_cast<int>(v[0]));
        if (colour >= 0 && colour <= 16) d_.SetColor(colour);
        break;
      }
      case 'P' * 256 + 'U':
        penDown_ = false;
        Points(v);
        break;
      case 'P' * 256 + 'D':
        penDown_ = true;
        Points(v);
        break;
      case 'P' * 256 + 'A':
        Points(v);
        break;
      case 'C' * 256 + 'I':
        if (!v.empty() && v[0] != 0)
          d_.circle(x_ * kPlotterUnit, y_ * kPlotterUnit, std::fabs(v[0]) * kPlotterUnit);
        break;
      case 'A' * 256 + 'A':
        if (v.size() >= 3) Arc(v[0], v[1], v[2]);
        break;
      case 'S' * 256 + 'I':
        if (v.size() >= 2) {
          charWidthCm_ = std::fabs(v[0]);
          charHeightCm_ = std::fabs(v[1]);
        } else {
          charWidthCm_ = kDefaultCharWidthCm;
          charHeightCm_ = kDefaultCharHeightCm;
        }
        TextStyle();
        break;
      case 'D' * 256 + 'I':
        angle_ = v.size() >= 2 && (v[0] != 0 || v[1] != 0)
                     ? std::atan2(v[1], v[0]) * 180 / std::numbers::pi
                     : 0;
        TextStyle();
        break;
      case 'C' * 256 + 'S':
        characterSet_ = v.empty() ? 0 : static_cast<int>(v[0]);
        break;
      default:
        break;
    }
    return true;
  }

  // An arc around the centre cx, cy from the current point over sweep degrees
  // (counter-clockwise when positive); the current point becomes the centre.
  void Arc(double cx, double cy, double sweep) {
    const double dx = x_ - cx;
    const double dy = y_ - cy;
    const double r = std::hypot(dx, dy);
    if (penDown_ && r > 0 && sweep != 0 && std::isfinite(sweep)) {
      const double start = std::atan2(dy, dx) * 180 / std::numbers::pi;
      if (std::fabs(sweep) >= 360) {
        d_.circle(cx * kPlotterUnit, cy * kPlotterUnit, r * kPlotterUnit);
      } else if (sweep > 0) {
        d_.Arc(cx * kPlotterUnit, cy * kPlotterUnit, start, start + sweep, r * kPlotterUnit);
      } else {
        d_.Arc(cx * kPlotterUnit, cy * kPlotterUnit, start + sweep, start, r * kPlotterUnit);
      }
    }
    x_ = cx;
    y_ = cy;
  }

  bool Label() {
    std::string text;
    while (true) {
      if (AtEnd()) return false;  // no end of text: the file was cut
      const char c = s_[pos_++];
      if (c == kEndOfText) break;
      if (text.size() >= kMaxLabel) continue;
      if (c == '}' && characterSet_ == 3 && !text.empty()) {
        if (const std::optional<char> umlaut = Umlaut(text.back())) {
          text.back() = *umlaut;
          continue;
        }
      }
      if (c == '\r' || c == '\n') continue;
      text += c;
    }
    d_.OutTextXY(text, x_ * kPlotterUnit, y_ * kPlotterUnit);
    return true;
  }

  // One base-32 (7-bit mode) or base-64 (8-bit mode) number with its sign in the lowest
  // bit; nullopt when the file or the command ends first.
  std::optional<double> EncodedNumber() {
    std::uint64_t value = 0;
    int shift = 0;
    while (!AtEnd()) {
      const unsigned char c = static_cast<unsigned char>(s_[pos_]);
      if (c == ';') return std::nullopt;
      ++pos_;
      unsigned digit = 0;
      bool last = false;
      if (sevenBit_) {
        if (c >= 63 && c <= 94) {
          digit = c - 63;
        } else if (c >= 95 && c <= 126) {
          digit = c - 95;
          last = true;
        } else {
          continue;  // no digit: ignored
        }
        if (shift < 60) value |= static_cast<std::uint64_t>(digit) << shift;
        shift += 5;
      } else {
        if (c >= 63 && c <= 126) {
          digit = c - 63;
        } else if (c >= 191 && c <= 254) {
          digit = c - 191;
          last = true;
        } else {
          continue;
        }
        if (shift < 60) value |= static_cast<std::uint64_t>(digit) << shift;
        shift += 6;
      }
      if (last) {
        double magnitude = static_cast<double>(value >> 1);
        if (magnitude > kMaxCoordinate) magnitude = kMaxCoordinate;
        return (value & 1) != 0 ? -magnitude : magnitude;
      }
    }
    return std::nullopt;
  }

  bool Encoded() {
    sevenBit_ = false;  // each PE starts in 8-bit mode
    bool nextUp = false;
    bool nextAbsolute = false;
    while (true) {
      if (AtEnd()) return false;
      const char c = s_[pos_];
      if (c == ';') {
        ++pos_;
        return true;
      }
      if (c == '7') {
        sevenBit_ = true;
        ++pos_;
        continue;
      }
      if (c == ':' || c == '>') {
        ++pos_;
        const std::optional<double> v = EncodedNumber();
        if (!v) continue;  // ";" or the end follows: the loop sees it
        if (c == ':' && *v >= 0 && *v <= 16) d_.SetColor(PenColour(static_cast<int>(*v)));
        continue;
      }
      if (c == '<') {
        nextUp = true;
        ++pos_;
        continue;
      }
      if (c == '=') {
        nextAbsolute = true;
        ++pos_;
        continue;
      }
      const unsigned char u = static_cast<unsigned char>(c);
      if (u < 63 || u == 127 || (u >= 128 && u < 191) || u == 255) {
        ++pos_;  // no digit and no flag
        continue;
      }
      const std::optional<double> x = EncodedNumber();
      if (!x) continue;
      const std::optional<double> y = EncodedNumber();
      if (!y) continue;
      const double tx = nextAbsolute ? *x : x_ + *x;
      const double ty = nextAbsolute ? *y : y_ + *y;
      penDown_ = !nextUp;
      MoveOrDraw(tx, ty);
      nextUp = false;
      nextAbsolute = false;
    }
  }

  DrawingWindow& d_;
  std::string_view s_;
  std::size_t pos_ = 0;
  double x_ = 0;  // current point, plotter units
  double y_ = 0;
  bool penDown_ = false;
  bool sevenBit_ = false;
  int characterSet_ = 0;
  double charWidthCm_ = kDefaultCharWidthCm;
  double charHeightCm_ = kDefaultCharHeightCm;
  double angle_ = 0;
};

}  // namespace

int PenColour(int pen) {
  static constexpr int kColours[] = {0, 12, 14, 10, 11, 9, 13, 15};
  return pen >= 1 && pen <= 7 ? kColours[pen] : pen;
}

void DrawPlotFile(DrawingWindow& drawing, std::string_view plotFile) {
  PlotReader(drawing, plotFile).Run();
}

}  // namespace zt6
