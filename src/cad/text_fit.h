#pragma once
// Fitting a text into the room it has: its width factor shrinks, never below
// kLeastWidthFactor, and only then characters are cut: the leading blanks first (the
// blank before a cell text and those of a right-aligned number), then from the end; a
// number that still does not fit shows the overflow mark (base/number_format.h).

#include <string>
#include <string_view>

namespace zt6 {

inline constexpr double kLeastWidthFactor = 0.6;

struct TextFit {
  std::string text;    // what is written (CP850)
  double ratio = 1.0;  // the factor the text's width factor is multiplied by
};

// natural: the width of the whole text at its own width factor; room: the width there
// is; leastRatio: the smallest ratio allowed.
TextFit FitText(std::string_view text, double natural, double room, double leastRatio);

// The smallest ratio that keeps widthFactor at kLeastWidthFactor; 1 for a factor that
// is already below it.
double LeastRatio(double widthFactor);

}  // namespace zt6
