#include "report/file_numbers.h"

#include <cmath>

#include "report/number_format.h"
#include "report/number_parse.h"

namespace zt6 {

std::string FormatFileReal(double x, const FormatSettings& settings) {
  if (!std::isfinite(x)) x = 0.0;
  if (x < 1.0 && std::fabs(x - std::round(x)) < 1e-10) return FormatSignificant(x, settings);
  return FormatFixed(x, 1, 7, settings);
}

std::string FormatFileInteger(long long value) { return std::to_string(value); }

std::string FormatFileBoolean(bool value) { return value ? "TRUE" : "FALSE"; }

double ReadFileReal(std::string_view line) { return ParseReal(line); }

std::int32_t ReadFileInteger(std::string_view line) { return ParseWhole(line); }

bool ReadFileBoolean(std::string_view line) {
  constexpr std::string_view kTrue = "TRUE";
  if (line.size() != kTrue.size()) return false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kTrue[i]) return false;
  }
  return true;
}

}  // namespace zt6
