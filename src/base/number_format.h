#pragma once
// The program's number formats. Fixed formats follow the decimals setting D (default 3,
// each format's decimals shift by D - 3) and the decimal separator; unit-converting
// forms take metric values and convert them for the English unit system. A value that
// is not finite prints as 0.

#include <string>
#include <string_view>

#include "base/format_settings.h"

namespace zt6 {

// x with d decimals (shifted by D) right-aligned in w + 1 + d' characters (w when no
// decimals remain); a longer number is not cut. |x| < 1e-8 prints as 0.
std::string FormatFixed(double x, int w, int d, const FormatSettings& settings);
// Three significant digits, trailing zeros dropped; |x| < 1e-5 gives "0".
std::string FormatSignificant(double x, const FormatSettings& settings);
// Integer width of the three-digit rule with d decimals.
std::string FormatSignificantDecimals(double x, int d, const FormatSettings& settings);

// Metric value in mm, N/mm^2, N·m, shown in the current unit system.
std::string FormatLength(double mm, int w, int d, const FormatSettings& settings);
std::string FormatStress(double nPerMm2, int w, int d, const FormatSettings& settings);
std::string FormatTorque(double nm, int w, int d, const FormatSettings& settings);
std::string FormatSignificantLengthA(double mm, const FormatSettings& settings);
// A diameter or a nominal size that carries a fit, never rounded to fewer digits than it
// has: in inches with four decimals; in mm with d decimals, or more where d would round
// it (28.575, not 28.57), up to six.
std::string FormatExactLength(double mm, int w, int d, const FormatSettings& settings);
std::string FormatSignificantLengthB(double mm, const FormatSettings& settings);
std::string FormatSignificantStress(double nPerMm2, const FormatSettings& settings);
std::string FormatSignificantTorque(double nm, const FormatSettings& settings);
std::string FormatSignificantLengthDecimals(double mm, int d, const FormatSettings& settings);

// A stored value as a dialog's field shows it, without padding: the forms above (lengths
// as FormatSignificantLengthA), with more decimals where those would round the value,
// up to seven significant digits, then without trailing zeros. So a length of
// 28.575 mm shows "28.575", 26.9875 mm in inches "1.0625".
std::string FormatFieldValue(double x, const FormatSettings& settings);
std::string FormatFieldLength(double mm, const FormatSettings& settings);
std::string FormatFieldStress(double nPerMm2, const FormatSettings& settings);
std::string FormatFieldTorque(double nm, const FormatSettings& settings);

// "mm"/"in", "MPa"/"psi", "Nm"/"lbfin"; the angle unit is the CP850 degree sign or
// "deg" with the ASCII special characters setting.
std::string LengthUnitText(const FormatSettings& settings);
std::string StressUnitText(const FormatSettings& settings);
std::string TorqueUnitText(const FormatSettings& settings);
std::string AngleUnitText(const FormatSettings& settings);

// A number's text cut short reads as another number (1e308 as "10000000000"). Where a
// text that is one number (blanks around it aside) has no room, the overflow mark
// stands in its place, as wide as the room: "*****".
bool IsNumberText(std::string_view text);
std::string OverflowMark(std::size_t width);

// Right-aligned to width with blanks, or with leading zeros after any minus sign.
std::string FormatInteger(long long value, int width, bool leadingZeros);

// Date by the date code: 1 DD.MM.YYYY, 2 MM/DD/YYYY, 3 YYYY/MM/DD, 4 DD/MM/YYYY,
// anything else YYYY/MM/DD.
std::string FormatDate(int year, int month, int day, int dateCode);
// Hours without leading zero, minutes with two digits: "9:05".
std::string FormatTime(int hour, int minute);

}  // namespace zt6
