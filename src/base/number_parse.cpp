#include "base/number_parse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace zt6 {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto last = text.find_last_not_of(" \t\r\n");
  if (last == std::string_view::npos) return {};
  text = text.substr(0, last + 1);
  return text.substr(text.find_first_not_of(" \t"));
}

// from_chars takes no plus sign; a single leading one is accepted as typed numbers have it.
std::string_view WithoutPlus(std::string_view text) {
  if (text.empty() || text.front() != '+') return text;
  text.remove_prefix(1);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) return {};
  return text;
}

template <typename T, typename... Format>
std::optional<T> FromChars(std::string_view text, Format... format) {
  if (text.empty()) return std::nullopt;
  T value{};
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, format...);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> TryParseReal(std::string_view text) {
  std::string number(WithoutPlus(Trimmed(text)));
  if (const auto comma = number.find(','); comma != std::string::npos) number[comma] = '.';
  // Fixed and exponent forms only: no "inf", "nan" or hexadecimal.
  const auto value = FromChars<double>(number, std::chars_format::general);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::optional<std::int32_t> TryParseWhole(std::string_view text) {
  return FromChars<std::int32_t>(WithoutPlus(Trimmed(text)), 10);
}

double ParseReal(std::string_view text) { return TryParseReal(text).value_or(0.0); }

std::int32_t ParseWhole(std::string_view text) { return TryParseWhole(text).value_or(0); }

double ParseQuantity(std::string_view text, QuantityKind kind, UnitSystem units) {
  return ToInternal(kind, ParseReal(text), units);
}

std::int32_t ParseStrength(std::string_view text, UnitSystem units) {
  const double value = std::round(ParseQuantity(text, QuantityKind::Stress, units));
  return static_cast<std::int32_t>(
      std::clamp(value, double{std::numeric_limits<std::int32_t>::min()},
                 double{std::numeric_limits<std::int32_t>::max()}));
}

}  // namespace zt6
