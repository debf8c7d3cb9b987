#include "base/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "base/codepage.h"
#include "base/number_parse.h"
#include "base/units.h"

namespace zt6 {

namespace {

constexpr int kMaxDecimals = 10;

// snprintf into a growing buffer; all formats here are short, but none is cut.
template <typename... Args>
std::string Printf(const char* format, Args... args) {
  std::string out(32, '\0');
  int n = std::snprintf(out.data(), out.size() + 1, format, args...);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) > out.size()) {
    out.resize(static_cast<std::size_t>(n));
    std::snprintf(out.data(), out.size() + 1, format, args...);
  }
  out.resize(static_cast<std::size_t>(n));
  return out;
}

double Finite(double x) { return std::isfinite(x) ? x : 0.0; }

int EffectiveDecimals(int d, const FormatSettings& settings) {
  if (settings.decimals == 3) return std::clamp(d, 0, kMaxDecimals);
  return std::clamp(d + settings.decimals - 3, 0, kMaxDecimals);
}

struct WidthAndDecimals {
  int w;
  int d;
};

// Drops the decimals that would only show trailing zeros. scaled carries one digit
// more than d decimals.
int TrimTrailingZeros(double scaled, int d) {
  long long e = std::llround(scaled);
  do {
    e /= 10;
    if (e % 10 == 0) --d;
  } while (e % 10 == 0 && d > 0);
  return std::max(d, 0);
}

// Width and decimals that show about three significant digits.
WidthAndDecimals SignificantDigits(double x) {
  const double a = x == 0.0 ? 0.5 : std::fabs(x);
  const int c = static_cast<int>(std::trunc(std::log10(a)));
  if (c >= 3) return {c + 1, 0};
  if (c < 0) return {0, TrimTrailingZeros(a * std::pow(10.0, 3 - c), 2 - c)};
  return {c + 1, TrimTrailingZeros(a * std::pow(10.0, 4 - c), 3 - c)};
}

bool English(const FormatSettings& settings) { return settings.units == UnitSystem::English; }

double Display(QuantityKind kind, double value, const FormatSettings& settings) {
  return ToDisplay(kind, value, settings.units);
}

}  // namespace

std::string FormatFixed(double x, int w, int d, const FormatSettings& settings) {
  x = Finite(x);
  if (std::fabs(x) < 1e-8) x = 0.0;
  const int decimals = EffectiveDecimals(d, settings);
  const int width = std::max(decimals == 0 ? w : w + 1 + decimals, 0);
  std::string text = Printf("%*.*f", width, decimals, x);
  if (settings.decimalSeparator == 2) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string FormatSignificant(double x, const FormatSettings& settings) {
  x = Finite(x);
  if (std::fabs(x) < 1e-5) return "0";
  const WidthAndDecimals wd = SignificantDigits(x);
  return FormatFixed(x, wd.w, wd.d, settings);
}

std::string FormatSignificantDecimals(double x, int d, const FormatSettings& settings) {
  x = Finite(x);
  return FormatFixed(x, SignificantDigits(x).w, d, settings);
}

std::string FormatLength(double mm, int w, int d, const FormatSettings& settings) {
  if (!English(settings)) return FormatFixed(mm, w, d, settings);
  return FormatFixed(Display(QuantityKind::Length, mm, settings), std::max(w - 1, 1), d + 1,
                     settings);
}

std::string FormatExactLength(double mm, int w, int d, const FormatSettings& settings) {
  // Four decimals in inches: FormatLength gives inches one decimal more than asked.
  if (English(settings)) return FormatLength(mm, w, 3, settings);
  int decimals = std::max(d, 0);
  for (; decimals < 6; ++decimals) {
    const double scaled = mm * std::pow(10.0, decimals);
    if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, std::abs(scaled))) break;
  }
  return FormatLength(mm, w, decimals, settings);
}

std::string FormatStress(double nPerMm2, int w, int d, const FormatSettings& settings) {
  if (!English(settings)) return FormatFixed(nPerMm2, w, d, settings);
  return FormatFixed(Display(QuantityKind::Stress, nPerMm2, settings), w + 2, std::max(d - 2, 0),
                     settings);
}

std::string FormatTorque(double nm, int w, int d, const FormatSettings& settings) {
  if (!English(settings)) return FormatFixed(nm, w, d, settings);
  return FormatFixed(Display(QuantityKind::Torque, nm, settings), w + 1, std::max(d - 1, 0),
                     settings);
}

std::string FormatSignificantLengthA(double mm, const FormatSettings& settings) {
  if (!English(settings)) return FormatSignificant(mm, settings);
  return FormatSignificantDecimals(Display(QuantityKind::Length, mm, settings), 4, settings);
}

std::string FormatSignificantLengthB(double mm, const FormatSettings& settings) {
  return FormatSignificant(Display(QuantityKind::Length, mm, settings), settings);
}

std::string FormatSignificantStress(double nPerMm2, const FormatSettings& settings) {
  return FormatSignificant(Display(QuantityKind::Stress, nPerMm2, settings), settings);
}

std::string FormatSignificantTorque(double nm, const FormatSettings& settings) {
  return FormatSignificant(Display(QuantityKind::Torque, nm, settings), settings);
}

std::string FormatSignificantLengthDecimals(double mm, int d, const FormatSettings& settings) {
  if (!English(settings)) return FormatSignificantDecimals(mm, d, settings);
  return FormatSignificantDecimals(Display(QuantityKind::Length, mm, settings), d + 1, settings);
}

namespace {

// shown (a form of x that may round it) with as many more decimals as x needs.
std::string WithEnoughDecimals(double x, const std::string& shown,
                               const FormatSettings& settings) {
  const std::size_t first = shown.find_first_not_of(' ');
  std::string text = first == std::string::npos ? std::string("0") : shown.substr(first);
  x = Finite(x);
  const double a = std::fabs(x);
  if (a == 0.0) return text;
  const int sevenDigits = std::clamp(6 - static_cast<int>(std::floor(std::log10(a))), 0, 15);
  const std::size_t point = text.find_first_of(".,");
  int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
  bool extended = false;
  auto exact = [&] {
    const std::optional<double> read = TryParseReal(text);
    return read && std::fabs(*read - x) <= 1e-12 * a;
  };
  while (!exact() && decimals < sevenDigits) {
    text = Printf("%.*f", ++decimals, x);
    if (settings.decimalSeparator == 2) std::replace(text.begin(), text.end(), '.', ',');
    extended = true;
  }
  if (extended && text.find_first_of(".,") != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.' || text.back() == ',') text.pop_back();
  }
  return text;
}

}  // namespace

std::string FormatFieldValue(double x, const FormatSettings& settings) {
  return WithEnoughDecimals(x, FormatSignificant(x, settings), settings);
}

std::string FormatFieldLength(double mm, const FormatSettings& settings) {
  return WithEnoughDecimals(Display(QuantityKind::Length, mm, settings),
                            FormatSignificantLengthA(mm, settings), settings);
}

std::string FormatFieldStress(double nPerMm2, const FormatSettings& settings) {
  return WithEnoughDecimals(Display(QuantityKind::Stress, nPerMm2, settings),
                            FormatSignificantStress(nPerMm2, settings), settings);
}

std::string FormatFieldTorque(double nm, const FormatSettings& settings) {
  return WithEnoughDecimals(Display(QuantityKind::Torque, nm, settings),
                            FormatSignificantTorque(nm, settings), settings);
}

std::string LengthUnitText(const FormatSettings& settings) {
  return UnitText(QuantityKind::Length, settings.units);
}

std::string StressUnitText(const FormatSettings& settings) {
  return UnitText(QuantityKind::Stress, settings.units);
}

std::string TorqueUnitText(const FormatSettings& settings) {
  return UnitText(QuantityKind::Torque, settings.units);
}

std::string AngleUnitText(const FormatSettings& settings) {
  return settings.asciiSpecial ? std::string("deg") : Oem("°");
}

bool IsNumberText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const std::size_t last = text.find_last_not_of(' ');
  return TryParseReal(text.substr(first, last - first + 1)).has_value();
}

std::string OverflowMark(std::size_t width) { return std::string(width, '*'); }

std::string FormatInteger(long long value, int width, bool leadingZeros) {
  return Printf(leadingZeros ? "%0*lld" : "%*lld", std::max(width, 0), value);
}

std::string FormatDate(int year, int month, int day, int dateCode) {
  switch (dateCode) {
    case 1: return Printf("%02d.%02d.%04d", day, month, year);
    case 2: return Printf("%02d/%02d/%04d", month, day, year);
    case 4: return Printf("%02d/%02d/%04d", day, month, year);
    default: return Printf("%04d/%02d/%02d", year, month, day);
  }
}

std::string FormatTime(int hour, int minute) { return Printf("%d:%02d", hour, minute); }

}  // namespace zt6
