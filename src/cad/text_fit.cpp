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

namespace {

// Where a text may break, best first: after a "/" that joins two texts, after a blank,
// after a hyphen. Each list holds the lengths of the first line.
std::vector<std::vector<std::size_t>> BreakPoints(std::string_view text) {
  std::vector<std::vector<std::size_t>> kinds(3);
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == '/') kinds[0].push_back(i + 1);
    if (text[i] == ' ') kinds[1].push_back(i);
    if (text[i] == '-') kinds[2].push_back(i + 1);
  }
  return kinds;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

IdentifierFit FitIdentifier(std::string_view text, double natural, double height, double room,
                            double roomHeight, double leastRatio) {
  if (text.empty() || !(natural > room)) return {{std::string(text)}, height, 1.0, false};
  // Narrower is enough: the text stays as it is, leading blank and all.
  if (room / natural >= leastRatio) return {{std::string(text)}, height, room / natural, false};
  // Widths are reckoned per character, as every output measures texts.
  const double perCharacter = natural / static_cast<double>(text.size());
  const std::string whole = Trimmed(text);
  if (whole.empty() || !(room > 0) || !(height > 0)) return {{}, height, 1.0, !whole.empty()};
  const auto width = [&](std::size_t characters, double h) {
    return perCharacter * static_cast<double>(characters) * h / height;
  };
  const double leastHeight = std::min(height, kLeastIdentifierHeight);
  // One line: narrower, then lower.
  const double wholeWidth = width(whole.size(), height);
  if (wholeWidth <= room) return {{whole}, height, 1.0, false};
  if (room / wholeWidth >= leastRatio) return {{whole}, height, room / wholeWidth, false};
  const double lowered = height * room / (wholeWidth * leastRatio);
  if (lowered >= leastHeight) return {{whole}, lowered, leastRatio, false};
  // Two lines, as high as the cell and the longer line allow.
  const double twoLineHeight = std::min(height, roomHeight / (kIdentifierLineStep + 1.0));
  for (const std::vector<std::size_t>& points : BreakPoints(whole)) {
    std::size_t best = 0;
    std::size_t bestLonger = whole.size();
    for (const std::size_t at : points) {
      const std::size_t longer = std::max(at, whole.size() - at);
      if (longer < bestLonger) best = at, bestLonger = longer;
    }
    if (best == 0) continue;
    const double longerWidth = width(bestLonger, height);
    const double h = std::min(twoLineHeight, height * room / (longerWidth * leastRatio));
    if (h < leastHeight) continue;
    const double ratio = std::min(1.0, room / width(bestLonger, h));
    return {{Trimmed(whole.substr(0, best)), Trimmed(whole.substr(best))}, h, ratio, false};
  }
  // Cut, at the least height and ratio, with the mark in the room of the last characters.
  const double perLeast = width(1, leastHeight) * leastRatio;
  const auto fitting = static_cast<std::size_t>(std::floor(room / perLeast + 1e-9));
  std::string kept = fitting > kCutMark.size() ? whole.substr(0, fitting - kCutMark.size()) : "";
  kept += kCutMark;
  return {{kept}, leastHeight, std::min(1.0, room / width(kept.size(), leastHeight)), true};
}

}  // namespace zt6
