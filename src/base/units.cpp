#include "base/units.h"

namespace zt6 {

namespace {

struct Factors {
  double toInternal;
  double toDisplay;
  const char* metricText;
  const char* englishText;
};

const Factors& FactorsOf(QuantityKind kind) {
  static const Factors length{25.4, 0.039370078740157480314, "mm", "in"};
  static const Factors torque{0.112984788, 8.850749005255468551, "Nm", "lbfin"};
  static const Factors stress{1.0 / 145.037, 145.037, "MPa", "psi"};
  switch (kind) {
    case QuantityKind::Length: return length;
    case QuantityKind::Torque: return torque;
    case QuantityKind::Stress: return stress;
  }
  return length;
}

}  // namespace

double ToInternal(QuantityKind kind, double typed, UnitSystem units) {
  return units == UnitSystem::English ? typed * FactorsOf(kind).toInternal : typed;
}

double ToDisplay(QuantityKind kind, double internal, UnitSystem units) {
  return units == UnitSystem::English ? internal * FactorsOf(kind).toDisplay : internal;
}

const char* UnitText(QuantityKind kind, UnitSystem units) {
  const Factors& f = FactorsOf(kind);
  return units == UnitSystem::English ? f.englishText : f.metricText;
}

}  // namespace zt6
