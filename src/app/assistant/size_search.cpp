#include "app/assistant/size_search.h"

#include <algorithm>
#include <cmath>

#include "app/assistant/remembered_tables.h"
#include "app/assistant/size_row.h"
#include "app/lookups/size_lookup.h"
#include "calc/calculation_run.h"

namespace zt6 {

namespace {

struct LengthRun {
  DesignRecord design;
  RunMessages messages;
  bool reaches = false;
};

// The row's design at hub length l, calculated.
LengthRun RunAt(const DesignRecord& row, double l, double safety, StandardTables& tables) {
  LengthRun run{row, {}, false};
  run.design.l = l;
  CalculationRun(run.design, run.messages, tables);
  const Safeties s = SafetiesOf(run.design);
  run.reaches = !run.messages.FatalFlag() &&
                std::all_of(s.begin(), s.end(), [safety](double v) { return v >= safety; });
  return run;
}

std::string FirstFatal(const RunMessages& messages) {
  for (int k = 1; k <= messages.Count(); ++k)
    if (messages.Message(k).starts_with("Fatal")) return messages.Message(k);
  return messages.Count() > 0 ? messages.Message(messages.Count()) : std::string();
}

}  // namespace

Safeties SafetiesOf(const DesignRecord& d) {
  return {d.material[0].Seq, d.material[0].Smax, d.material[1].Seq, d.material[1].Smax};
}

SizeSearchResult SearchSizes(const DesignRecord& design, const SizeLoad& load, Program& program,
                             TableAccess& access, StandardTables& tables) {
  SizeSearchResult result;
  RememberedTables remembered(tables);
  const std::vector<std::string> names = SizeDesignations(access);
  result.tableRead = !names.empty();
  for (const std::string& name : names) {
    DesignRecord row = design;
    if (!TakeSizeRow(program, access, row, name, load.toleranceClass)) continue;
    row.TN = load.TN;
    row.Tmax = load.Tmax;
    // Whole millimetres from half the diameter up to the longest length.
    const double shortest = std::ceil(0.5 * row.D - 1e-9);
    const double longest = std::floor(load.maxLengthFactor * row.D + 1e-9);
    LengthRun atLongest = RunAt(row, longest, load.safety, remembered);
    if (longest < shortest || !atLongest.reaches) {
      SizeRejection rejection;
      rejection.designation = row.designation;
      rejection.longestLength = longest;
      if (atLongest.messages.FatalFlag()) {
        rejection.fatalMessage = FirstFatal(atLongest.messages);
      } else {
        const Safeties s = SafetiesOf(atLongest.design);
        rejection.weakest = static_cast<int>(std::min_element(s.begin(), s.end()) - s.begin());
        rejection.bestValue = s[static_cast<std::size_t>(rejection.weakest)];
      }
      result.rejected.push_back(std::move(rejection));
      continue;
    }
    // The safeties grow with the length: halve the interval of whole millimetres
    // between a length that fails and one that reaches.
    LengthRun best = std::move(atLongest);
    double low = shortest - 1;  // fails, or lies below the range
    double high = longest;      // reaches
    while (high - low > 1) {
      const double middle = std::floor((low + high) / 2);
      LengthRun run = RunAt(row, middle, load.safety, remembered);
      if (run.reaches) {
        high = middle;
        best = std::move(run);
      } else {
        low = middle;
      }
    }
    result.candidates.push_back({best.design.designation, best.design, SafetiesOf(best.design)});
  }
  std::stable_sort(result.candidates.begin(), result.candidates.end(),
                   [](const SizeCandidate& a, const SizeCandidate& b) {
                     return a.design.D < b.design.D;
                   });
  return result;
}

}  // namespace zt6
