#pragma once
// Numbers in the program's line-per-value files (projects, configuration). Whole
// numbers below 1 are written short ("0", "-3"); every other value in fixed point with
// 7 decimals shifted by the decimals setting, with the separator of the settings
// passed in. Reading takes either separator; a line that is not a number gives 0.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/format_settings.h"

namespace zt6 {

std::string FormatFileReal(double x, const FormatSettings& settings);
std::string FormatFileInteger(long long value);
std::string FormatFileBoolean(bool value);  // "TRUE" / "FALSE"

double ReadFileReal(std::string_view line);
std::int32_t ReadFileInteger(std::string_view line);
// TRUE exactly when the upper-cased line equals "TRUE".
bool ReadFileBoolean(std::string_view line);

}  // namespace zt6
