#pragma once
// Unit systems for input and display. Stored values are always metric; the English
// system (in, lbf·in, psi) converts only when a value is shown or typed.

namespace zt6 {

enum class UnitSystem { Metric = 0, English = 1 };
enum class QuantityKind { Length, Torque, Stress };

// Typed value in the current unit system -> internal metric value.
double ToInternal(QuantityKind kind, double typed, UnitSystem units);
// Internal metric value -> value shown in the current unit system.
double ToDisplay(QuantityKind kind, double internal, UnitSystem units);
// "mm"/"in", "Nm"/"lbfin", "MPa"/"psi".
const char* UnitText(QuantityKind kind, UnitSystem units);

}  // namespace zt6
