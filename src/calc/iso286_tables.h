#pragma once
// The ISO 286-1 tables ZT6 holds: standard tolerances, fundamental deviations of shafts
// and holes, the values that depend on the grade, and the delta values of holes.
// All values in micrometres, exactly as published. The data are generated from
// data/iso286/*.csv by data/iso286/make_iso286_tables.py.

#include <array>
#include <span>
#include <string_view>

namespace zt6::iso286 {

// Size ranges run "over the previous limit up to and including this one"; the first one
// starts at 0. ISO 286 uses three grids of them.
enum class RangeScheme { Main, Intermediate, Full };

inline constexpr std::array<int, 21> kMainLimits = {3,   6,   10,  18,   30,   50,   80,
                                                    120, 180, 250, 315,  400,  500,  630,
                                                    800, 1000, 1250, 1600, 2000, 2500, 3150};
// Used by a, b, c, r, s and their capitals.
inline constexpr std::array<int, 39> kIntermediateLimits = {
    3,   6,   10,  18,  30,  40,  50,  65,   80,   100,  120,  140,  160,
    180, 200, 225, 250, 280, 315, 355, 400,  450,  500,  560,  630,  710,
    800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};
// Used by t … zc and their capitals: the intermediate grid split at 14 and 24 as well.
inline constexpr std::array<int, 41> kFullLimits = {
    3,   6,   10,  14,  18,  24,  30,  40,   50,   65,   80,   100,  120,  140,
    160, 180, 200, 225, 250, 280, 315, 355,  400,  450,  500,  560,  630,  710,
    800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};

std::span<const int> RangeLimits(RangeScheme scheme);

inline constexpr int kGradeCount = 18;                         // IT1 … IT18
inline constexpr int kMainRangeCount = static_cast<int>(kMainLimits.size());
inline constexpr int kFirstDeltaGrade = 3;                     // delta for IT3 … IT8
inline constexpr int kDeltaGradeCount = 6;
inline constexpr int kDeltaRangeCount = 13;                    // main ranges up to 500 mm

using StandardToleranceTable = std::array<std::array<double, kGradeCount>, kMainRangeCount>;
using DeltaTable = std::array<std::array<double, kDeltaGradeCount>, kDeltaRangeCount>;

// IT1 … IT18 per main range.
const StandardToleranceTable& StandardTolerances();
// Delta added to the upper deviation of holes K … ZC, per main range up to 500 mm and
// grade 3 … 8.
const DeltaTable& Deltas();

// The fundamental deviation of one position on the grid it uses, signed as published:
// es of shafts a … g, ei of shafts m … zc, EI of holes A … G, ES of holes K … ZC before
// delta. values[0] belongs to range firstRange of the scheme; a position is not tabled
// beyond its last value.
struct DeviationRow {
  std::string_view position;
  RangeScheme scheme;
  int firstRange;
  std::span<const double> values;
};

// Values that hold only for some grades and replace the general row: the ei of j and k,
// the ES of J, the ES of N for grades 9 … 11 and the single M 6 cell. They are final
// (no delta is added).
struct GradedRow {
  std::string_view position;
  int gradeFrom;
  int gradeTo;
  RangeScheme scheme;
  int firstRange;
  std::span<const double> values;
};

std::span<const DeviationRow> DeviationRows();
std::span<const GradedRow> GradedRows();

}  // namespace zt6::iso286
