#pragma once
// Fitting a text into the room it has: its width factor shrinks, never below
// kLeastWidthFactor, and only then characters are cut: the leading blanks first (the
// blank before a cell text and those of a right-aligned number), then from the end; a
// number that still does not fit shows the overflow mark (base/number_format.h).

#include <string>
#include <string_view>
#include <vector>

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

// An identifier (a drawing number or name, a material, a person) must not lose a
// character while another way remains: it narrows (to kLeastIdentifierWidthFactor), then
// its height goes down (not below kLeastIdentifierHeight), then it breaks into two lines
// within the cell's height (a joined text at its "/", else at a blank or a hyphen); only
// then it is cut and ends with kCutMark, so that a cut identifier cannot pass for whole.
inline constexpr double kLeastIdentifierWidthFactor = 0.5;
inline constexpr double kLeastIdentifierHeight = 2.5;
// Code page 850 has no ellipsis character.
inline constexpr std::string_view kCutMark = "...";
// From one line's baseline to the next, in text heights; two lines need 2.6 heights.
inline constexpr double kIdentifierLineStep = 1.6;

struct IdentifierFit {
  std::vector<std::string> lines;  // one or two, CP850
  double height = 0;               // text height of the lines
  double ratio = 1.0;              // the factor the width factor is multiplied by
  bool cut = false;
};

// natural: the width of the whole text at `height` and its own width factor; room: the
// cell's width; roomHeight: the height the cell has for text; leastRatio: the smallest
// ratio allowed (LeastRatio with the identifiers' least width factor).
IdentifierFit FitIdentifier(std::string_view text, double natural, double height, double room,
                            double roomHeight, double leastRatio);

}  // namespace zt6
