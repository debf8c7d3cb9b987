#pragma once
// Proposed input values offered by the input dialogs ("<" buttons) and the
// power-speed-torque relation of the load dialog. All lengths in mm.

#include <optional>

#include "calc/run_messages.h"

namespace zt6 {

double ProposePitchDiameter(double Dii, double Dee);
// (Dee + Dii)/(Dee − Dii)·2 rounded half to even; none when Dee = Dii.
std::optional<int> ProposeToothCount(double Dii, double Dee);
// 55 degrees from Dii = 60 mm on, 60 below.
double ProposeSpaceAngle(double Dii);
// ISO tolerance of grade IT9 at D by the standard tolerance formula.
double ProposeHubSpaceTolerance(double D, RunMessages& messages);
// 1.15 times half the pitch on a 0.1 mm grid; none when z = 0.
std::optional<double> ProposePinDiameter(double D, int z);
double ProposeHubLength(double D);
double ProposeMaximumTorque(double TN);
// e^(0.1·(l/D)²) + 0.01·(l/D) rounded to 2 decimals; 1.0 when D is not positive.
double ProposeLoadDistributionFactor(double l, double D);

// Power kW, speed 1/min, torque N·m.
double PowerFrom(double TN, double n);
std::optional<double> SpeedFrom(double power, double TN);   // only when TN > 0
std::optional<double> TorqueFrom(double power, double n);   // only when n > 0

}  // namespace zt6
