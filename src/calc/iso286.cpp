#include "calc/iso286.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>
#include <utility>

#include "base/codepage.h"
#include "calc/iso286_tables.h"
#include "calc/program_math.h"

namespace zt6 {
namespace {

using iso286::RangeScheme;

constexpr int kPositionCount = 28;
constexpr std::array<std::string_view, kPositionCount> kShaftPositions = {
    "a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "j", "js", "k",
    "m", "n", "p", "r", "s", "t", "u", "v", "x", "y", "z", "za", "zb", "zc"};
constexpr std::array<std::string_view, kPositionCount> kHolePositions = {
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "J", "JS", "K",
    "M", "N", "P", "R", "S", "T", "U", "V", "X", "Y", "Z", "ZA", "ZB", "ZC"};

// Which limit the fundamental deviation fixes; the other one is an IT away.
enum class Side { Upper, Lower, Symmetric };
// Where the fundamental deviation comes from when no graded row holds it.
enum class Source { Table, Zero, GradedOnly, GradedElseZero };

struct GradeRange {
  int min = 1;
  int max = iso286::kGradeCount;
};

struct PositionRule {
  std::string_view name = {};
  Side side = Side::Upper;
  Source source = Source::Table;
  // Accepted sizes as bounds on the integer part n of (size - 0.001): over <= n < upTo.
  int over = 0;
  int upTo = 3150;
  // Range part of "... ist nur im Bereich ... definiert", and whether the grade follows
  // the position in that message.
  std::string_view rangeText = {};
  bool rangeTextWithGrade = false;
  GradeRange grades = {};         // accepted at every size
  GradeRange gradesUpTo500 = {};  // further restriction up to 500 mm
  int deltaMaxGrade = 0;     // delta added for grades 3 … this up to 500 mm
  int zeroAboveGrade = 0;    // up to 500 mm the deviation is 0 above this grade
  GradeRange usual = {};  // outside it the computed limits come with usualText
  std::string_view usualText = {};
};

constexpr std::string_view kUpTo10 = " 1 bis 10 mm ";

// Shafts a … g fix the upper deviation, j … zc the lower one; holes the other way round.
constexpr std::array<PositionRule, 2 * kPositionCount> kRules = {{
    {.name = "a", .upTo = 500, .usual = {9, 13}, .usualText = "a9..a13"},
    {.name = "b", .upTo = 500, .usual = {8, 13}, .usualText = "b8..b13"},
    {.name = "c", .upTo = 500, .usual = {8, 12}, .usualText = "c8..c12"},
    {.name = "cd", .upTo = 10, .rangeText = kUpTo10, .usual = {5, 10},
     .usualText = "cd 5 .. cd 10"},
    {.name = "d", .usual = {5, 13}, .usualText = "d5..d13"},
    {.name = "e", .usual = {5, 10}, .usualText = "e5..e10"},
    {.name = "ef", .upTo = 10, .rangeText = kUpTo10, .usual = {3, 10},
     .usualText = "ef 3 .. ef 10"},
    {.name = "f", .usual = {3, 10}, .usualText = "f3..f10"},
    {.name = "fg", .upTo = 10, .rangeText = kUpTo10, .usual = {3, 10},
     .usualText = "fg 3 .. fg 10"},
    {.name = "g", .usual = {3, 10}, .usualText = "g3..g10"},
    {.name = "h", .source = Source::Zero},
    {.name = "j", .side = Side::Lower, .source = Source::GradedOnly, .upTo = 500,
     .grades = {5, 8}},
    {.name = "js", .side = Side::Symmetric, .source = Source::Zero},
    {.name = "k", .side = Side::Lower, .source = Source::GradedElseZero},
    {.name = "m", .side = Side::Lower, .usual = {3, 9}, .usualText = "m3..m9"},
    {.name = "n", .side = Side::Lower, .usual = {3, 9}, .usualText = "n3..n9"},
    {.name = "p", .side = Side::Lower, .usual = {3, 10}, .usualText = "p3..p10"},
    {.name = "r", .side = Side::Lower, .usual = {3, 10}, .usualText = "r3..r10"},
    {.name = "s", .side = Side::Lower, .usual = {3, 10}, .usualText = "s3..s10"},
    {.name = "t", .side = Side::Lower, .over = 24, .rangeText = " > 24 mm ", .usual = {5, 9},
     .usualText = "t5..t9"},
    {.name = "u", .side = Side::Lower, .usual = {5, 9}, .usualText = "u5..u9"},
    {.name = "v", .side = Side::Lower, .over = 14, .upTo = 500, .rangeText = " > 14 bis 500 mm ",
     .usual = {5, 8}, .usualText = "v5..v8"},
    {.name = "x", .side = Side::Lower, .upTo = 500, .usual = {5, 11}, .usualText = "x5..x11"},
    {.name = "y", .side = Side::Lower, .over = 18, .upTo = 500, .rangeText = " > 18 bis 500 mm ",
     .usual = {5, 10}, .usualText = "y5..y10"},
    {.name = "z", .side = Side::Lower, .upTo = 500, .usual = {6, 11}, .usualText = "z6..z11"},
    {.name = "za", .side = Side::Lower, .upTo = 500, .grades = {6, 11}},
    {.name = "zb", .side = Side::Lower, .upTo = 500, .grades = {7, 11}},
    {.name = "zc", .side = Side::Lower, .upTo = 500, .grades = {7, 11}},

    {.name = "A", .side = Side::Lower, .upTo = 500, .grades = {9, 13}},
    {.name = "B", .side = Side::Lower, .upTo = 500, .grades = {8, 13}},
    {.name = "C", .side = Side::Lower, .upTo = 500, .grades = {8, 13}},
    {.name = "CD", .side = Side::Lower, .upTo = 10, .rangeText = kUpTo10, .grades = {6, 10}},
    {.name = "D", .side = Side::Lower, .grades = {6, 13}},
    {.name = "E", .side = Side::Lower, .grades = {5, 10}},
    {.name = "EF", .side = Side::Lower, .upTo = 10, .rangeText = kUpTo10,
     .rangeTextWithGrade = true, .grades = {3, 10}},
    {.name = "F", .side = Side::Lower, .grades = {3, 10}},
    {.name = "FG", .side = Side::Lower, .upTo = 10, .rangeText = kUpTo10,
     .rangeTextWithGrade = true, .grades = {3, 10}},
    {.name = "G", .side = Side::Lower, .grades = {3, 10}},
    {.name = "H", .side = Side::Lower, .source = Source::Zero},
    {.name = "J", .source = Source::GradedOnly, .upTo = 500, .grades = {6, 8}},
    {.name = "JS", .side = Side::Symmetric, .source = Source::Zero},
    {.name = "K", .gradesUpTo500 = {3, 18}, .deltaMaxGrade = 8, .zeroAboveGrade = 8},
    {.name = "M", .gradesUpTo500 = {3, 18}, .deltaMaxGrade = 8},
    {.name = "N", .gradesUpTo500 = {3, 11}, .deltaMaxGrade = 8},
    {.name = "P", .gradesUpTo500 = {3, 18}, .deltaMaxGrade = 7},
    {.name = "R", .gradesUpTo500 = {3, 18}, .deltaMaxGrade = 7},
    {.name = "S", .gradesUpTo500 = {3, 18}, .deltaMaxGrade = 7},
    {.name = "T", .over = 24, .rangeText = " > 24 mm ", .gradesUpTo500 = {3, 18},
     .deltaMaxGrade = 7},
    {.name = "U", .gradesUpTo500 = {3, 18}, .deltaMaxGrade = 7},
    {.name = "V", .over = 14, .upTo = 500, .rangeText = " > 14 mm ", .rangeTextWithGrade = true,
     .grades = {3, 18}, .deltaMaxGrade = 7},
    {.name = "X", .upTo = 500, .grades = {3, 18}, .deltaMaxGrade = 7},
    {.name = "Y", .over = 18, .upTo = 500, .rangeText = " > 18 mm ", .rangeTextWithGrade = true,
     .grades = {3, 18}, .deltaMaxGrade = 7},
    {.name = "Z", .upTo = 500, .grades = {3, 18}, .deltaMaxGrade = 7},
    {.name = "ZA", .upTo = 500, .grades = {3, 18}, .deltaMaxGrade = 7},
    {.name = "ZB", .upTo = 500, .grades = {3, 18}, .deltaMaxGrade = 7},
    {.name = "ZC", .upTo = 500, .grades = {3, 18}, .deltaMaxGrade = 7},
}};

constexpr int kSizeLimit = 3150;
constexpr int kDeltaSizeLimit = 500;

struct Parsed {
  std::string position;
  int grade = 0;  // 0: unparsable
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks around the number are tolerated; anything else makes it no number (0).
int GradeNumber(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !IsDigit(text.front())) {
    return 0;
  }
  return value;
}

Parsed Parse(std::string_view text) {
  const auto n = text.size();
  auto split = [&](std::size_t positionLength, std::size_t gradeFrom) {
    return Parsed{std::string(text.substr(0, positionLength)), GradeNumber(text.substr(gradeFrom))};
  };
  if (n > 2 && text[1] == ' ') return split(1, 2);
  if (n > 3 && text[2] == ' ') return split(2, 3);
  if (n > 1 && IsDigit(text[1])) return split(1, 1);
  if (n > 2 && IsDigit(text[2])) return split(2, 2);
  return {};
}

std::string Canonical(std::string position) {
  if (position == "i") return "j";
  if (position == "I") return "J";
  if (position == "is") return "js";
  if (position == "IS") return "JS";
  return position;
}

const PositionRule* FindRule(std::string_view position) {
  for (const auto& rule : kRules) {
    if (rule.name == position) return &rule;
  }
  return nullptr;
}

// 1-based index in the shaft or hole list.
int ListIndex(std::string_view position) {
  const auto& list = position[0] >= 'a' ? kShaftPositions : kHolePositions;
  for (int i = 0; i < kPositionCount; ++i) {
    if (list[static_cast<std::size_t>(i)] == position) return i + 1;
  }
  return 0;
}

int RangeIndex(RangeScheme scheme, int n) {
  const auto limits = iso286::RangeLimits(scheme);
  for (std::size_t i = 0; i < limits.size(); ++i) {
    if (n < limits[i]) return static_cast<int>(i);
  }
  return static_cast<int>(limits.size()) - 1;
}

std::optional<double> Cell(RangeScheme scheme, int firstRange, std::span<const double> values,
                           int n) {
  const int i = RangeIndex(scheme, n) - firstRange;
  if (i < 0 || i >= static_cast<int>(values.size())) return std::nullopt;
  return values[static_cast<std::size_t>(i)];
}

std::optional<double> GradedValue(std::string_view position, int grade, int n) {
  for (const auto& row : iso286::GradedRows()) {
    if (row.position != position || grade < row.gradeFrom || grade > row.gradeTo) continue;
    if (auto value = Cell(row.scheme, row.firstRange, row.values, n)) return value;
  }
  return std::nullopt;
}

std::optional<double> TableValue(std::string_view position, int n) {
  for (const auto& row : iso286::DeviationRows()) {
    if (row.position == position) return Cell(row.scheme, row.firstRange, row.values, n);
  }
  return std::nullopt;
}

// The deviation the position fixes, in µm; none where ISO 286 tables none.
std::optional<double> FundamentalDeviation(const PositionRule& rule, int grade, int n) {
  if (auto graded = GradedValue(rule.name, grade, n)) return graded;
  switch (rule.source) {
    case Source::Zero:
    case Source::GradedElseZero:
      return 0.0;
    case Source::GradedOnly:
      return std::nullopt;
    case Source::Table:
      break;
  }
  const bool upTo500 = n < kDeltaSizeLimit;
  if (rule.zeroAboveGrade > 0 && grade > rule.zeroAboveGrade && upTo500) return 0.0;
  auto value = TableValue(rule.name, n);
  if (value && upTo500 && grade >= iso286::kFirstDeltaGrade && grade <= rule.deltaMaxGrade) {
    const auto& deltas = iso286::Deltas();
    *value += deltas[static_cast<std::size_t>(RangeIndex(RangeScheme::Main, n))]
                    [static_cast<std::size_t>(grade - iso286::kFirstDeltaGrade)];
  }
  return value;
}

bool InRange(GradeRange range, int grade) { return grade >= range.min && grade <= range.max; }

ToleranceLimits Refused(double size, std::string designation, std::string message) {
  ToleranceLimits result;
  result.lower = result.upper = FiniteOrZero(size);
  result.designation = std::move(designation);
  result.message = std::move(message);
  return result;
}

// Applies "<w" ">w" "<B" ">B"; false for an unknown command character.
bool Step(std::string_view text, TolerancePositionCursor& cursor, std::string& stepped) {
  if (text.size() < 2 || (text[1] != 'w' && text[1] != 'B')) return false;
  const bool shaft = text[1] == 'w';
  int& index = shaft ? cursor.shaft : cursor.hole;
  index = std::clamp(index + (text[0] == '>' ? 1 : -1), 1, kPositionCount);
  const auto& list = shaft ? kShaftPositions : kHolePositions;
  stepped = std::string(list[static_cast<std::size_t>(index - 1)]) + std::string(text.substr(2));
  return true;
}

}  // namespace

ToleranceLimits Limits(double size, std::string_view designation,
                       TolerancePositionCursor& cursor) {
  const std::string given(designation);
  if (designation.empty() || designation == " ") return Refused(size, given, "");

  std::string text = given;
  if (text[0] == '<' || text[0] == '>') {
    if (!Step(designation, cursor, text)) {
      return Refused(size, given, "unknown command character !");
    }
  }

  Parsed parsed = Parse(text);
  if (parsed.grade == 0) return Refused(size, given, Oem("ungültige ISO-Toleranz"));
  const std::string position = Canonical(parsed.position);
  const std::string grade = std::to_string(parsed.grade);
  const std::string normalised = position + " " + grade;

  const PositionRule* rule = FindRule(position);
  if (rule == nullptr) return Refused(size, normalised, "unbekannte Toleranzlage");
  (position[0] >= 'a' ? cursor.shaft : cursor.hole) = ListIndex(position);

  // The range is found from the integer part of (size - 0.001): a size up to 0.001 above
  // a range limit still belongs to the range below it. The small allowance keeps a size
  // meant as 500.001 (500.0009999999999 after a round trip through inches) above 500.
  const double shifted = size - 0.001 + 1e-9;
  if (!(size > 0) || !(shifted < kSizeLimit)) {
    return Refused(size, normalised, "Undefinierter Nennmassbereich");
  }
  const int n = static_cast<int>(std::trunc(shifted));

  if (n < rule->over || n >= rule->upTo) {
    if (n >= rule->upTo && rule->upTo == kDeltaSizeLimit) {
      return Refused(size, normalised, Oem("d>500 nicht definiert für Lage " + position));
    }
    const std::string who = rule->rangeTextWithGrade ? normalised : position;
    return Refused(size, normalised,
                   who + " ist nur im Bereich" + std::string(rule->rangeText) + "definiert");
  }

  const std::string gradeRefused =
      Oem("Toleranzgrad " + grade + " nicht definiert für Lage " + position);
  if (!InRange(rule->grades, parsed.grade) ||
      (n < kDeltaSizeLimit && !InRange(rule->gradesUpTo500, parsed.grade))) {
    return Refused(size, normalised, gradeRefused);
  }
  const auto deviation = FundamentalDeviation(*rule, parsed.grade, n);
  if (!deviation) return Refused(size, normalised, gradeRefused);

  const double it = iso286::StandardTolerances()[static_cast<std::size_t>(
      RangeIndex(RangeScheme::Main, n))][static_cast<std::size_t>(parsed.grade - 1)];
  ToleranceLimits result;
  switch (rule->side) {
    case Side::Upper:
      result.upperDeviation = *deviation;
      result.lowerDeviation = *deviation - it;
      break;
    case Side::Lower:
      result.lowerDeviation = *deviation;
      result.upperDeviation = *deviation + it;
      break;
    case Side::Symmetric:
      result.upperDeviation = it / 2;
      result.lowerDeviation = -it / 2;
      break;
  }
  result.lower = size + result.lowerDeviation / 1000;
  result.upper = size + result.upperDeviation / 1000;
  result.designation = normalised;
  if (!rule->usualText.empty() && !InRange(rule->usual, parsed.grade)) {
    result.message = std::string(rule->usualText);
  }
  return result;
}

ToleranceLimits Limits(double size, std::string_view designation) {
  TolerancePositionCursor cursor;
  return Limits(size, designation, cursor);
}

double StandardToleranceByFormula(int grade, double diameter, RunMessages& messages) {
  static constexpr std::array<double, 14> kFactors = {7,   10,  16,  25,  40,   64,   100,
                                                      160, 250, 400, 640, 1000, 1600, 2500};
  const double x = diameter;
  const double i = x <= 500 ? 0.45 * Power(x, 1.0 / 3.0, "IT", messages) + 0.001 * x
                            : 0.004 * x + 2.1;
  const double t1 = 0.02 * x + 0.8;
  double microns = 0;
  if (grade == 0) {
    microns = 0.012 * x + 0.5;
  } else if (grade == 1) {
    microns = t1;
  } else if (grade >= 2 && grade <= 4) {
    microns = t1 * Power(7 * i / t1, (grade - 1) / 4.0, "IT", messages);
  } else if (grade >= 5 && grade <= 18) {
    microns = i * kFactors[static_cast<std::size_t>(grade - 5)];
  }
  return FiniteOrZero(microns / 1000);
}

}  // namespace zt6
