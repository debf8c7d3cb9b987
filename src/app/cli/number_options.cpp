#include "app/cli/number_options.h"

#include <cmath>
#include <string>

#include "base/number_parse.h"

namespace zt6 {

std::optional<double> NumberOption(const CommandArguments& arguments, std::string_view name,
                                   NumberNeed need, const UsageErrorFn& usageError, bool& ok) {
  const std::optional<std::string> text = arguments.Last(name);
  if (!text) return std::nullopt;
  const std::optional<double> value = TryParseReal(*text);
  std::string expected;
  if (!value) {
    expected = "a number";
  } else if (need == NumberNeed::Positive && !(*value > 0)) {
    expected = "a number above 0";
  } else if (need == NumberNeed::NotBelowHalf && !(*value >= 0.5)) {
    expected = "a number of 0.5 or more";
  } else if (need == NumberNeed::WholePositive && !(*value >= 1 && std::floor(*value) == *value)) {
    expected = "a whole number from 1 up";
  }
  if (expected.empty()) return value;
  ok = false;
  usageError(std::string(name) + " takes " + expected + ", not \"" + *text + "\"");
  return std::nullopt;
}

}  // namespace zt6
