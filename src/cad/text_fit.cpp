#include "cad/text_fit.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"

namespace zt6 {

double LeastRatio(double widthFactor) {
  return widthFactor > kLeastWidthFactor ? kLeastWidthFactor / widthFactor : 1.0;
}

TextFit FitText(std::string_view text, double natural, double room, double leastRatio) {
  if (text.empty() || !(natural > room)) return {std::string(text), 1.0};
  if (!(room > 0)) return {};
  const double ratio = room / natural;
  if (ratio >= leastRatio) return {std::string(text), ratio};
  const double perCharacter = natural / static_cast<double>(text.size());
  // A tiny tolerance, so that a text that just fits is not cut by rounding.
  const auto fitting =
      static_cast<std::size_t>(std::floor(room / (perCharacter * leastRatio) + 1e-9));
  std::string kept(text);
  const std::size_t blanks = std::min(kept.find_first_not_of(' '), kept.size());
  kept.erase(0, std::min(blanks, kept.size() - std::min(kept.size(), fitting)));
  if (kept.size() > fitting) {
    // Fewer digits would read as another number.
    kept = IsNumberText(kept) ? OverflowMark(fitting) : kept.substr(0, fitting);
  }
  if (kept.empty()) return {};
  // What is left may take more of the room than the least ratio gives it.
  return {kept, std::min(1.0, room / (perCharacter * static_cast<double>(kept.size())))};
}

}  // namespace zt6
