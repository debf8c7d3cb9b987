#include "app/assistant/parameter_sweep.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/assistant/remembered_tables.h"
#include "app/files/project_for_run.h"
#include "base/number_parse.h"
#include "calc/calculation_run.h"
#include "calc/input_ranges.h"

namespace zt6 {

namespace {

bool Whole(double x) { return std::floor(x) == x; }

void SetNumber(const RecordField& field, DesignRecord& design, double value) {
  if (field.kind == FieldKind::Whole)
    field.set(design, FieldValue(static_cast<std::int32_t>(std::lround(value))));
  else
    field.set(design, FieldValue(value));
}

}  // namespace

double SweepAxis::Value(std::size_t k) const {
  // From the start each time, so that no rounding piles up; the last value never
  // overshoots the end.
  return std::min(from + static_cast<double>(k) * step, to);
}

std::variant<SweepAxis, std::string> ParseSweepAxis(std::string_view text) {
  const auto equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0)
    return "--vary expects NAME=FROM:TO:STEP, not \"" + std::string(text) + "\"";
  const std::string name(text.substr(0, equals));
  const std::string_view range = text.substr(equals + 1);
  SweepAxis axis;
  axis.field = FindRecordField(name);
  if (axis.field == nullptr) return "unknown name \"" + name + "\"";
  if (axis.field->role != FieldRole::Input) return "\"" + name + "\" is a result and cannot be varied";
  if (axis.field->kind != FieldKind::Real && axis.field->kind != FieldKind::Whole)
    return "\"" + name + "\" is not a number and cannot be varied";
  std::array<double, 3> numbers{};
  std::size_t begin = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    const std::size_t end = k < 2 ? range.find(':', begin) : range.size();
    const std::optional<double> number =
        end == std::string_view::npos ? std::nullopt
                                      : TryParseReal(range.substr(begin, end - begin));
    if (!number || !std::isfinite(*number) || (k == 2 && range.find(':', begin) != range.npos))
      return "--vary " + name + " expects FROM:TO:STEP as numbers, not \"" + std::string(range) +
             "\"";
    numbers[k] = *number;
    begin = end + 1;
  }
  axis.from = numbers[0];
  axis.to = numbers[1];
  axis.step = numbers[2];
  const std::string values = name + "=" + std::string(range);
  if (axis.from > axis.to) return "FROM lies above TO in " + values;
  if (axis.step <= 0) return "STEP must be above 0 in " + values;
  if (axis.field->kind == FieldKind::Whole && !(Whole(axis.from) && Whole(axis.step)))
    return name + " takes whole numbers: FROM and STEP must be whole in " + values;
  if (const InputRange* allowed = FindInputRange(axis.field->name)) {
    for (const double end : {axis.from, axis.to})
      if (!InputHolds(*allowed, end)) return OutOfRangeProblem({allowed, end});
  }
  // A tiny allowance, so that 0:1:0.1 ends at 1 despite the binary fractions.
  const double intervals = std::floor((axis.to - axis.from) / axis.step * (1 + 1e-12) + 1e-9);
  axis.count = intervals >= static_cast<double>(kMostSweepPoints)
                   ? kMostSweepPoints + 1
                   : static_cast<std::size_t>(intervals) + 1;
  return axis;
}

std::variant<std::vector<const RecordField*>, std::string> ParseChartResults(
    std::string_view names) {
  static constexpr std::string_view kSafeties = "shaft.Seq,shaft.Smax,hub.Seq,hub.Smax";
  if (names.find_first_not_of(" ,") == std::string_view::npos) names = kSafeties;
  std::vector<const RecordField*> fields;
  std::size_t begin = 0;
  while (begin <= names.size()) {
    const std::size_t comma = std::min(names.find(',', begin), names.size());
    std::string_view name = names.substr(begin, comma - begin);
    while (name.starts_with(' ')) name.remove_prefix(1);
    while (name.ends_with(' ')) name.remove_suffix(1);
    begin = comma + 1;
    if (name.empty()) continue;
    const RecordField* field = FindRecordField(name);
    if (field == nullptr) return "unknown name \"" + std::string(name) + "\"";
    if (field->kind == FieldKind::Text) return "\"" + std::string(name) + "\" is not a number";
    fields.push_back(field);
  }
  return fields;
}

std::string SweepSizeProblem(std::span<const SweepAxis> axes) {
  double points = 1;
  for (const SweepAxis& axis : axes) points *= static_cast<double>(axis.count);
  if (points <= static_cast<double>(kMostSweepPoints)) return {};
  return "the sweep has more than 1,000,000 points";
}

void RunSweep(const DesignRecord& design, std::span<const SweepAxis> axes,
              StandardTables& tables, const SweepVisit& visit) {
  RememberedTables remembered(tables);
  std::vector<std::size_t> index(axes.size(), 0);
  std::vector<double> values(axes.size(), 0);
  RunMessages messages;
  DesignRecord point;
  while (true) {
    point = design;
    for (std::size_t a = 0; a < axes.size(); ++a) {
      values[a] = axes[a].Value(index[a]);
      SetNumber(*axes[a].field, point, values[a]);
    }
    CalculationRun(point, messages, remembered);
    visit(values, point, messages);
    // The last axis turns fastest.
    std::size_t a = axes.size();
    while (a > 0) {
      --a;
      if (++index[a] < axes[a].count) break;
      index[a] = 0;
      if (a == 0) return;
    }
    if (axes.empty()) return;
  }
}

std::string_view FieldUnit(std::string_view name) {
  struct Unit {
    std::string_view name;
    std::string_view unit;
  };
  static constexpr Unit kUnits[] = {
      {"TN", "N·m"}, {"Tmax", "N·m"}, {"Teq", "N·m"}, {"power", "kW"}, {"n", "1/min"},
      {"shaft.Re", "N/mm²"}, {"hub.Re", "N/mm²"}, {"shaft.pzul", "N/mm²"}, {"hub.pzul", "N/mm²"},
      {"peq", "N/mm²"}, {"pmax", "N/mm²"}, {"taunmax", "N/mm²"},
      {"gamma_e", "°"}, {"gamma_i", "°"},
      {"gamma_e_rad", "rad"}, {"gamma_i_rad", "rad"}, {"alpha_w", "rad"}};
  for (const Unit& u : kUnits)
    if (u.name == name) return u.unit;
  const RecordField* field = FindRecordField(name);
  if (field == nullptr || field->kind != FieldKind::Real) return "";
  // The remaining real numbers are lengths, but for the factors and safeties.
  static constexpr std::string_view kPlain[] = {
      "KA", "K_lambda", "fW", "fL_shaft", "fL_hub", "shaft.fH", "shaft.fS", "hub.fH", "hub.fS",
      "K_phi_eq", "K_phi_max", "shaft.Seq", "shaft.Smax", "hub.Seq", "hub.Smax"};
  if (std::find(std::begin(kPlain), std::end(kPlain), name) != std::end(kPlain)) return "";
  return "mm";
}

}  // namespace zt6
