#include "base/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/codepage.h"

namespace zt6 {
namespace {

FormatSettings Settings(int decimals = 3, int separator = 1,
                        UnitSystem units = UnitSystem::Metric) {
  FormatSettings s;
  s.decimals = decimals;
  s.decimalSeparator = separator;
  s.units = units;
  return s;
}

const FormatSettings kEnglish = Settings(3, 1, UnitSystem::English);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberFormat, Fixed) {
  struct Case {
    double x;
    int w, d, decimals, separator;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {12.5, 4, 2, 3, 1, "  12.50"},
      {12.5, 4, 2, 5, 1, "  12.5000"},
      {12.5, 4, 2, 3, 2, "  12,50"},
      {12.5, 4, 2, 2, 1, "  12.5"},
      {12.5, 4, 2, 0, 1, "  12"},          // no decimals left: width w, halves round to even
      {1.0, 1, 2, 20, 1, "1.0000000000"},  // at most ten decimals
      {5e-9, 3, 2, 3, 1, "  0.00"},
      {-5e-9, 3, 2, 3, 1, "  0.00"},
      {2e-8, 1, 8, 3, 1, "0.00000002"},
      {2.675, 1, 2, 3, 1, "2.67"},         // rounds the binary value, as printf does
      {-1.005, 2, 2, 3, 1, "-1.00"},
      {123456.5, 2, 1, 3, 1, "123456.5"},  // a longer number is not cut
      {-12.25, 2, 1, 3, 2, "-12,2"},
      {kNaN, 3, 1, 3, 1, "  0.0"},
      {-kInf, 3, 0, 3, 1, "  0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFixed(c.x, c.w, c.d, Settings(c.decimals, c.separator)), c.expected)
        << c.x << " " << c.w << "." << c.d << " D=" << c.decimals;
  }
}

TEST(NumberFormat, Significant) {
  struct Case {
    double x;
    int decimals, separator;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {12.5, 3, 1, "12.5"},    {2, 3, 1, "2"},          {0.5, 3, 1, "0.5"},
      {0.123, 3, 1, "0.123"},  {1234, 3, 1, "1234"},    {0.00123, 3, 1, "0.0012"},
      {5e-6, 3, 1, "0"},       {0, 3, 1, "0"},          {1e-5, 3, 1, "0.00001"},
      {0.1, 3, 1, "0.1"},      {0.01, 3, 1, "0.01"},    {0.001, 3, 1, "0.001"},
      {0.05, 3, 1, "0.05"},    {100, 3, 1, "100"},      {999.5, 3, 1, "999.5"},
      {123.456, 3, 1, "123.5"}, {9.9996, 3, 1, "10.000"}, {-12.5, 3, 1, "-12.5"},
      {-0.5, 3, 1, "-0.5"},    {1e6, 3, 1, "1000000"},  {12.5, 5, 1, "12.500"},
      {12.5, 3, 2, "12,5"},    {12.5, 2, 1, "12"},      {kNaN, 3, 1, "0"},
      {kInf, 3, 1, "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatSignificant(c.x, Settings(c.decimals, c.separator)), c.expected)
        << c.x << " D=" << c.decimals;
  }
}

TEST(NumberFormat, SignificantWithDecimals) {
  const FormatSettings s = Settings();
  EXPECT_EQ(FormatSignificantDecimals(12.5, 3, s), "12.500");
  EXPECT_EQ(FormatSignificantDecimals(1234.5, 1, s), "1234.5");
  EXPECT_EQ(FormatSignificantDecimals(0.5, 2, s), "0.50");
  EXPECT_EQ(FormatSignificantDecimals(0, 2, s), "0.00");
  EXPECT_EQ(FormatSignificantDecimals(5e-9, 2, s), "0.00");
  EXPECT_EQ(FormatSignificantDecimals(kNaN, 1, s), "0.0");
}

TEST(NumberFormat, UnitFormsConvertOnlyForEnglishUnits) {
  const FormatSettings metric = Settings();
  struct Case {
    std::string metric, english, metricExpected, englishExpected;
  };
  const std::vector<Case> cases = {
      {FormatLength(25.4, 4, 2, metric), FormatLength(25.4, 4, 2, kEnglish), "  25.40", "  1.000"},
      {FormatLength(12.7, 1, 1, metric), FormatLength(12.7, 1, 1, kEnglish), "12.7", "0.50"},
      {FormatStress(100, 5, 1, metric), FormatStress(100, 5, 1, kEnglish), "  100.0", "  14504"},
      {FormatTorque(10, 4, 2, metric), FormatTorque(10, 4, 2, kEnglish), "  10.00", "   88.5"},
      {FormatSignificantLengthA(12.7, metric), FormatSignificantLengthA(12.7, kEnglish), "12.7",
       "0.5000"},
      {FormatSignificantLengthB(25.4, metric), FormatSignificantLengthB(25.4, kEnglish), "25.4",
       "1"},
      {FormatSignificantStress(100, metric), FormatSignificantStress(100, kEnglish), "100",
       "14504"},
      {FormatSignificantTorque(1, metric), FormatSignificantTorque(1, kEnglish), "1", "8.85"},
      {FormatSignificantLengthDecimals(25.4, 2, metric),
       FormatSignificantLengthDecimals(25.4, 2, kEnglish), "25.40", "1.000"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(cases[i].metric, cases[i].metricExpected) << "case " << i;
    EXPECT_EQ(cases[i].english, cases[i].englishExpected) << "case " << i;
  }
  // A tiny value stays 0 after conversion in every fixed form.
  EXPECT_EQ(FormatLength(-5e-9, 3, 2, kEnglish), " 0.000");
  EXPECT_EQ(FormatStress(-5e-9, 3, 2, metric), "  0.00");
  EXPECT_EQ(FormatTorque(5e-9, 3, 2, kEnglish), "   0.0");
}

TEST(NumberFormat, UnitTexts) {
  const FormatSettings metric = Settings();
  FormatSettings ascii = Settings();
  ascii.asciiSpecial = true;
  EXPECT_EQ(LengthUnitText(metric) + StressUnitText(metric) + TorqueUnitText(metric), "mmMPaNm");
  EXPECT_EQ(LengthUnitText(kEnglish) + StressUnitText(kEnglish) + TorqueUnitText(kEnglish),
            "inpsilbfin");
  EXPECT_EQ(AngleUnitText(metric), std::string(1, static_cast<char>(248)));
  EXPECT_EQ(AngleUnitText(ascii), "deg");
}

TEST(NumberFormat, Integers) {
  EXPECT_EQ(FormatInteger(42, 5, false), "   42");
  EXPECT_EQ(FormatInteger(42, 5, true), "00042");
  EXPECT_EQ(FormatInteger(-42, 5, true), "-0042");
  EXPECT_EQ(FormatInteger(-42, 5, false), "  -42");
  EXPECT_EQ(FormatInteger(123456, 3, true), "123456");
  EXPECT_EQ(FormatInteger(7, 0, false), "7");
}

TEST(NumberFormat, DateAndTime) {
  const std::vector<std::pair<int, const char*>> dates = {
      {1, "05.03.2024"}, {2, "03/05/2024"}, {3, "2024/03/05"},
      {4, "05/03/2024"}, {0, "2024/03/05"}, {9, "2024/03/05"},
  };
  for (const auto& [code, expected] : dates) {
    EXPECT_EQ(FormatDate(2024, 3, 5, code), expected) << code;
  }
  EXPECT_EQ(FormatDate(987, 12, 31, 1), "31.12.0987");
  EXPECT_EQ(FormatTime(9, 5), "9:05");
  EXPECT_EQ(FormatTime(0, 0), "0:00");
  EXPECT_EQ(FormatTime(23, 59), "23:59");
}

}  // namespace
}  // namespace zt6
