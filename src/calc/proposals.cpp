#include "calc/proposals.h"

#include <cmath>
#include <numbers>

#include "calc/iso286.h"
#include "calc/program_math.h"

namespace zt6 {

namespace {
constexpr double kPi = std::numbers::pi;
}

double ProposePitchDiameter(double Dii, double Dee) { return (Dii + Dee) / 2; }

std::optional<int> ProposeToothCount(double Dii, double Dee) {
  if (Dee == Dii) return std::nullopt;
  const double z = RoundHalfEven((Dee + Dii) / (Dee - Dii) * 2);
  if (!(std::fabs(z) < 1e9)) return std::nullopt;
  return static_cast<int>(z);
}

double ProposeSpaceAngle(double Dii) { return Dii >= 60 ? 55 : 60; }

double ProposeHubSpaceTolerance(double D, RunMessages& messages) {
  return StandardToleranceByFormula(9, D, messages);
}

std::optional<double> ProposePinDiameter(double D, int z) {
  if (z == 0) return std::nullopt;
  return RoundHalfEven(11.5 * (kPi * D / z * 0.5)) * 0.1;
}

double ProposeHubLength(double D) { return 2 * D; }

double ProposeMaximumTorque(double TN) { return 3 * TN; }

double ProposeLoadDistributionFactor(double l, double D) {
  if (!(D > 0)) return 1.0;
  const double ratio = l / D;
  const double k = std::exp(0.1 * ratio * ratio) + 0.01 * ratio;
  return FiniteOrZero(std::round(k * 100) / 100);
}

double PowerFrom(double TN, double n) { return TN * n * 2 * kPi / 60000; }

std::optional<double> SpeedFrom(double power, double TN) {
  if (!(TN > 0)) return std::nullopt;
  return power * 60000 / (TN * 2 * kPi);
}

std::optional<double> TorqueFrom(double power, double n) {
  if (!(n > 0)) return std::nullopt;
  return power * 60000 / (n * 2 * kPi);
}

}  // namespace zt6
