#pragma once
// The program's guarded math functions: instead of NaN or infinity they give a
// defined value and leave a remark in the run messages.

#include <string_view>

#include "calc/run_messages.h"

namespace zt6 {

// base^exponent; a negative base gives |base|^exponent and the remark name + " (pow)".
double Power(double base, double exponent, std::string_view name, RunMessages& messages);

// tan(x); where cos(x) is 0 the result is 1e30 with "Error: function tan in Unit math".
double Tangent(double x, RunMessages& messages);

// acos(x); beyond ±1 the result is 0 with "Error: function ArcCos in math".
double ArcCos(double x, RunMessages& messages);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double x);

// x when finite, otherwise 0: nothing undefined may reach a result field.
double FiniteOrZero(double x);

}  // namespace zt6
