#include "base/number_parse.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zt6 {
namespace {

TEST(NumberParse, Real) {
  struct Case {
    std::string text;
    std::optional<double> value;
  };
  const std::vector<Case> cases = {
      {"3,5", 3.5},
      {"3.5", 3.5},
      {"  7", 7},
      {"7 \r\n", 7},
      {"\t-2.5e3", -2500},
      {"+4", 4},
      {",5", 0.5},
      {"1E-3", 0.001},
      {"1,5,3", std::nullopt},  // only the first comma is a decimal point
      {"3.5,1", std::nullopt},
      {"abc", std::nullopt},
      {"7 x", std::nullopt},
      {"12abc", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"+-3", std::nullopt},
      {"nan", std::nullopt},
      {"inf", std::nullopt},
      {"-infinity", std::nullopt},
      {"1e999", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TryParseReal(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ParseReal(c.text), c.value.value_or(0.0)) << '"' << c.text << '"';
  }
}

TEST(NumberParse, Whole) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  struct Case {
    std::string text;
    std::optional<std::int32_t> value;
  };
  const std::vector<Case> cases = {
      {"42", 42},
      {"  -7 \r", -7},
      {"+5", 5},
      {"007", 7},
      {"2147483647", kMax},
      {"-2147483648", kMin},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"3.5", std::nullopt},
      {"3,0", std::nullopt},
      {"1e3", std::nullopt},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TryParseWhole(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ParseWhole(c.text), c.value.value_or(0)) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace zt6

namespace zt6 {
namespace {

TEST(NumberParse, QuantitiesAreStoredMetric) {
  EXPECT_DOUBLE_EQ(ParseQuantity("12,5", QuantityKind::Length, UnitSystem::Metric), 12.5);
  EXPECT_DOUBLE_EQ(ParseQuantity(" 2", QuantityKind::Length, UnitSystem::English), 50.8);
  EXPECT_DOUBLE_EQ(ParseQuantity("100", QuantityKind::Torque, UnitSystem::English), 11.2984788);
  EXPECT_EQ(ParseQuantity("x", QuantityKind::Stress, UnitSystem::English), 0.0);
  EXPECT_EQ(ParseStrength("1050", UnitSystem::Metric), 1050);
  EXPECT_EQ(ParseStrength("229,6", UnitSystem::Metric), 230);
  // 50000 psi = 344.74 N/mm², stored rounded.
  EXPECT_EQ(ParseStrength("50000", UnitSystem::English), 345);
  EXPECT_EQ(ParseStrength("1e30", UnitSystem::Metric), 2147483647);
}

}  // namespace
}  // namespace zt6
