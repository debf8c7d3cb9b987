#include "app/assistant/part_identification.h"

#include <algorithm>
#include <cmath>

#include "app/assistant/remembered_tables.h"
#include "app/assistant/size_row.h"
#include "app/lookups/size_lookup.h"
#include "calc/calculation_run.h"

namespace zt6 {

namespace {

// A tooth count that differs outweighs any diameter.
constexpr double kTeethMismatch = 10;

LimitCheck Check(double value, double minimum, double maximum) {
  LimitCheck check{std::min(minimum, maximum), std::max(minimum, maximum), 0};
  if (value > check.maximum) check.miss = value - check.maximum;
  if (value < check.minimum) check.miss = value - check.minimum;
  return check;
}

// The distance from the middle of the limits in half tolerance widths: up to 1 inside.
// Limits without a width count a hundredth of a millimetre as their half width.
double Misfit(double value, const LimitCheck& limits) {
  const double half = std::max((limits.maximum - limits.minimum) / 2, 0.01);
  return std::abs(value - (limits.maximum + limits.minimum) / 2) / half;
}

// The size in one tolerance class, calculated; with pins given, calculated again
// with those pins in place of the table's.
DesignRecord SizeInClass(const std::string& name, ToleranceClass toleranceClass,
                         const PartMeasurement& measured, Program& program, TableAccess& access,
                         StandardTables& tables, bool& taken) {
  DesignRecord d;
  taken = TakeSizeRow(program, access, d, name, toleranceClass);
  if (!taken) return d;
  RunMessages messages;
  CalculationRun(d, messages, tables);
  if (measured.pin) {
    // As a self-defined design the table's pins give way to the measured ones; the
    // tolerances stay those just read.
    d.dimensionSource = DimensionSource::SelfDefined;
    (measured.hub ? d.DRi : d.DRe) = *measured.pin;
    NoStandardTables none;
    CalculationRun(d, messages, none);
  }
  return d;
}

}  // namespace

std::vector<IdentifiedSize> IdentifySize(const PartMeasurement& measured, Program& program,
                                         TableAccess& access, StandardTables& tables) {
  std::vector<IdentifiedSize> ranked;
  RememberedTables remembered(tables);
  for (const std::string& name : SizeDesignations(access)) {
    bool taken = false;
    const DesignRecord fine =
        SizeInClass(name, ToleranceClass::Fine, measured, program, access, remembered, taken);
    if (!taken) continue;
    IdentifiedSize size;
    size.designation = fine.designation;
    size.D = fine.D;
    size.z = fine.z;
    double misfit = 0;
    if (measured.tip) {
      size.tip = measured.hub ? Check(*measured.tip, fine.Diimin, fine.Diimax)
                              : Check(*measured.tip, fine.Deemin, fine.Deemax);
      misfit += Misfit(*measured.tip, *size.tip);
    }
    if (measured.teeth) {
      size.teethMatch = *measured.teeth == fine.z;
      if (!*size.teethMatch) misfit += kTeethMismatch;
    }
    if (measured.root) {
      size.root = measured.hub ? Check(*measured.root, fine.Deimin, fine.Deimax)
                               : Check(*measured.root, fine.Diemin, fine.Diemax);
      misfit += Misfit(*measured.root, *size.root);
    }
    if (measured.overPins && measured.pin) {
      const DesignRecord coarse =
          SizeInClass(name, ToleranceClass::Coarse, measured, program, access, remembered, taken);
      const auto pins = [&](const DesignRecord& d) {
        return measured.hub ? Check(*measured.overPins, d.MRimin, d.MRimax)
                            : Check(*measured.overPins, d.MRemin, d.MRemax);
      };
      size.pins = std::array<LimitCheck, 2>{pins(fine), pins(coarse)};
      misfit += std::min(Misfit(*measured.overPins, (*size.pins)[0]),
                         Misfit(*measured.overPins, (*size.pins)[1]));
    }
    size.score = 1 / (1 + misfit);
    ranked.push_back(std::move(size));
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const IdentifiedSize& a, const IdentifiedSize& b) {
    return a.score > b.score;
  });
  return ranked;
}

}  // namespace zt6
