#include "base/file_numbers.h"

#include <cmath>

#include "base/number_format.h"
#include "base/number_parse.h"
#include "base/text_lines.h"

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

bool ReadFileBoolean(std::string_view line) { return EqualsUpperCased(line, "TRUE"); }

}  // namespace zt6
