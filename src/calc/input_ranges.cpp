#include "calc/input_ranges.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <variant>

#include "calc/record_fields.h"

namespace zt6 {

namespace {

// Upper bounds an engineer's design stays well inside: the DIN 5481 table ends at
// 120x125 with 78 teeth; diameters and widths up to a metre, torques up to 10^9 N·m,
// factors up to 10. Lower bounds are those the dialogs always had: diameters, widths
// and factors above 0, fillets, tolerances and pins 0 or more (0: computed).
constexpr double kMaxLength = 1000;         // mm: Dii, Dee, D, l
constexpr double kMaxFillet = 100;          // mm
constexpr double kMaxTotalTolerance = 10;   // mm
constexpr double kMaxPinDiameter = 100;     // mm
constexpr double kMaxTorque = 1e9;          // N·m
constexpr double kMaxPower = 1e7;           // kW
constexpr double kMaxSpeed = 1e6;           // 1/min
constexpr double kMaxFactor = 10;
constexpr double kMaxStrength = 5000;       // N/mm²
constexpr int kMaxToothCount = 500;

constexpr NumberRule Real(NumberRange range) { return {NumberKind::Real, range}; }

constexpr auto kLength = QuantityKind::Length;
constexpr auto kTorque = QuantityKind::Torque;
constexpr auto kStress = QuantityKind::Stress;
constexpr std::optional<QuantityKind> kPlain;

constexpr NumberRange kDiameter = NumberRange::AboveUpTo(0, kMaxLength);
constexpr NumberRange kFactor = NumberRange::AboveUpTo(0, kMaxFactor);

constexpr std::array kRanges = {
    InputRange{"Dii", kLength, Real(kDiameter)},
    InputRange{"Dee", kLength, Real(kDiameter)},
    InputRange{"D", kLength, Real(kDiameter)},
    InputRange{"z", kPlain, {NumberKind::Whole, NumberRange::Between(3, kMaxToothCount)}},
    InputRange{"gamma_e", kPlain, Real(NumberRange::Inside(0, 180))},
    InputRange{"l", kLength, Real(kDiameter)},
    InputRange{"ri_max", kLength, Real(NumberRange::Between(0, kMaxFillet))},
    InputRange{"re_max", kLength, Real(NumberRange::Between(0, kMaxFillet))},
    InputRange{"TGi", kLength, Real(NumberRange::Between(0, kMaxTotalTolerance))},
    InputRange{"TGe", kLength, Real(NumberRange::Between(0, kMaxTotalTolerance))},
    InputRange{"DRi", kLength, Real(NumberRange::Between(0, kMaxPinDiameter))},
    InputRange{"DRe", kLength, Real(NumberRange::Between(0, kMaxPinDiameter))},
    InputRange{"TN", kTorque, Real(NumberRange::Between(0, kMaxTorque))},
    InputRange{"Tmax", kTorque, Real(NumberRange::Between(0, kMaxTorque))},
    InputRange{"KA", kPlain, Real(kFactor)},
    InputRange{"K_lambda", kPlain, Real(kFactor)},
    InputRange{"fW", kPlain, Real(kFactor)},
    InputRange{"fL_shaft", kPlain, Real(kFactor)},
    InputRange{"fL_hub", kPlain, Real(kFactor)},
    InputRange{"power", kPlain, Real(NumberRange::Between(0, kMaxPower))},
    InputRange{"n", kPlain, Real(NumberRange::Between(0, kMaxSpeed))},
    InputRange{"shaft.Re", kStress, Real(NumberRange::AboveUpTo(0, kMaxStrength))},
    InputRange{"shaft.fS", kPlain, Real(kFactor)},
    InputRange{"shaft.fH", kPlain, Real(kFactor)},
    InputRange{"hub.Re", kStress, Real(NumberRange::AboveUpTo(0, kMaxStrength))},
    InputRange{"hub.fS", kPlain, Real(kFactor)},
    InputRange{"hub.fH", kPlain, Real(kFactor)},
};

double NumberOf(const FieldValue& value) {
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* whole = std::get_if<std::int32_t>(&value)) return *whole;
  return std::nan("");
}

}  // namespace

std::span<const InputRange> InputRanges() { return kRanges; }

const InputRange* FindInputRange(std::string_view field) {
  const auto it = std::find_if(kRanges.begin(), kRanges.end(),
                               [field](const InputRange& r) { return r.field == field; });
  return it == kRanges.end() ? nullptr : &*it;
}

NumberRule RuleInUnits(const InputRange& input, UnitSystem units) {
  NumberRule rule = input.rule;
  if (input.quantity) rule.range = rule.range.Scaled(ToDisplay(*input.quantity, 1.0, units));
  return rule;
}

NumberRule InputRule(std::string_view field, UnitSystem units) {
  const InputRange* input = FindInputRange(field);
  return input == nullptr ? NumberRule{} : RuleInUnits(*input, units);
}

bool InputHolds(const InputRange& input, double value) {
  if (input.rule.kind == NumberKind::Whole && std::trunc(value) != value) return false;
  return input.rule.range.Holds(value);
}

std::string InputValueText(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

std::string_view ComputedInput(const DesignRecord& design) {
  switch (design.computedQuantity) {
    case ComputedQuantity::Speed: return "n";
    case ComputedQuantity::Torque: return "TN";
    case ComputedQuantity::Power: break;
  }
  return "power";
}

std::optional<OutOfRange> FirstInputOutOfRange(const DesignRecord& design) {
  for (const InputRange& input : kRanges) {
    if (input.field == ComputedInput(design)) continue;
    const RecordField* field = FindRecordField(input.field);
    if (field == nullptr) continue;
    const double value = NumberOf(field->get(design));
    if (!InputHolds(input, value)) return OutOfRange{&input, value};
  }
  return std::nullopt;
}

}  // namespace zt6
