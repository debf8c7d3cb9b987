// The values the input dialogs propose, and the power-speed-torque relation.

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "calc/proposals.h"

namespace zt6 {
namespace {

TEST(Proposals, Dimensions) {
  EXPECT_DOUBLE_EQ(ProposePitchDiameter(12, 14.2), 13.1);
  // (14.2 + 12)/(14.2 - 12) * 2 = 23.818 -> 24; (15 + 13)/(15 - 13) * 2 = 28;
  // (7 + 3)/(7 - 3) * 2 = 5.
  EXPECT_EQ(ProposeToothCount(12, 14.2), 24);
  EXPECT_EQ(ProposeToothCount(13, 15), 28);
  EXPECT_EQ(ProposeToothCount(3, 7), 5);
  // (9 + 1)/(9 - 1) * 2 = 2.5 rounds half to even -> 2; (11 + 3)/(11 - 3) * 2 = 3.5 -> 4.
  EXPECT_EQ(ProposeToothCount(1, 9), 2);
  EXPECT_EQ(ProposeToothCount(3, 11), 4);
  EXPECT_FALSE(ProposeToothCount(12, 12).has_value());

  EXPECT_EQ(ProposeSpaceAngle(59.9), 60);
  EXPECT_EQ(ProposeSpaceAngle(60), 55);
  EXPECT_EQ(ProposeHubLength(13), 26);
}

TEST(Proposals, PinDiameterOnTenthGrid) {
  // P = pi * 13 / 31 = 1.31744; 11.5 * P / 2 = 7.575 -> 0.8 mm.
  EXPECT_NEAR(*ProposePinDiameter(13, 31), 0.8, 1e-12);
  // P = 2.0: 11.5 exactly, half to even -> 12 -> 1.2 mm.
  EXPECT_NEAR(*ProposePinDiameter(40 / std::numbers::pi, 20), 1.2, 1e-12);
  EXPECT_FALSE(ProposePinDiameter(13, 0).has_value());
}

TEST(Proposals, HubToleranceIsGradeNineByFormula) {
  // i = 0.45 * 10^(1/3) + 0.001 * 10 = 0.9795 um; IT9 = 40 i = 39.18 um.
  RunMessages messages;
  EXPECT_NEAR(ProposeHubSpaceTolerance(10, messages), 0.03918, 1e-5);
  EXPECT_EQ(messages.Count(), 0);
}

TEST(Proposals, Load) {
  EXPECT_EQ(ProposeMaximumTorque(20), 60);
  // l = 2 D: e^(0.1 * 4) + 0.01 * 2 = 1.4918 + 0.02 = 1.5118 -> 1.51.
  EXPECT_DOUBLE_EQ(ProposeLoadDistributionFactor(26, 13), 1.51);
  EXPECT_EQ(ProposeLoadDistributionFactor(26, 0), 1.0);

  // 100 Nm at 1500/min: 100 * 1500 * 2 pi / 60000 = 15.708 kW.
  EXPECT_NEAR(PowerFrom(100, 1500), 15.70796, 1e-5);
  EXPECT_NEAR(*SpeedFrom(15.70796327, 100), 1500, 1e-5);
  EXPECT_NEAR(*TorqueFrom(15.70796327, 1500), 100, 1e-6);
  EXPECT_FALSE(SpeedFrom(15, 0).has_value());
  EXPECT_FALSE(TorqueFrom(15, 0).has_value());
  EXPECT_FALSE(TorqueFrom(15, -10).has_value());
}

}  // namespace
}  // namespace zt6
