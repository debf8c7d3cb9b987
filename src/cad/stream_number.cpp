// Numbers of the drawing command stream: the general format with 8 significant
// digits, always with "." so that the stream reads back the same on every locale.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "cad/drawing_window.h"

namespace zt6 {
namespace {

constexpr int kSignificantDigits = 8;

void StripTrailingZeros(std::string& digits) {
  if (digits.find('.') == std::string::npos) return;
  while (digits.back() == '0') digits.pop_back();
  if (digits.back() == '.') digits.pop_back();
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

}  // namespace

std::string StreamReal(double value) {
  // A stream never holds text that would not read back as a number.
  if (!std::isfinite(value) || value == 0) return "0";
  char buffer[64];
  // The exponent after rounding to 8 digits decides the notation (9.99999999 -> 10).
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                 std::chars_format::scientific, kSignificantDigits - 1);
  std::string scientific(buffer, end);
  const std::size_t e = scientific.find('e');
  const int exponent = std::stoi(scientific.substr(e + 1));
  if (exponent >= -5 && exponent < kSignificantDigits) {
    auto [fixedEnd, fixedEc] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                      std::max(0, kSignificantDigits - 1 - exponent));
    std::string fixed(buffer, fixedEnd);
    StripTrailingZeros(fixed);
    return fixed;
  }
  std::string mantissa = scientific.substr(0, e);
  StripTrailingZeros(mantissa);
  std::string digits = std::to_string(std::abs(exponent));
  if (digits.size() < 2) digits.insert(0, 1, '0');
  return mantissa + (exponent < 0 ? "E-" : "E+") + digits;
}

double ReadStreamReal(std::string_view text) {
  text = Trimmed(text);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return 0;
  }
  return value;
}

int ReadStreamInteger(std::string_view text) {
  text = Trimmed(text);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

}  // namespace zt6
