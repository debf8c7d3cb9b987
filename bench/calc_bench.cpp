// Speed of the calculation: one full run and the ISO limits of one size. Read the
// times as ratios to the record copy measured in the same run.

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "calc/calculation_run.h"
#include "calc/iso286.h"

namespace {

zt6::DesignRecord Example() {
  zt6::DesignRecord d;
  d.dimensionSource = zt6::DimensionSource::SelfDefined;
  d.Dii = 12;
  d.Dee = 14.2;
  d.D = 13;
  d.z = 31;
  d.l = 26;
  d.TGi = 0.04;
  d.TGe = 0.04;
  d.TN = 20;
  d.Tmax = 60;
  return d;
}

// Baseline: copying the design record.
void BM_CopyDesignRecord(benchmark::State& state) {
  const zt6::DesignRecord original = Example();
  for (auto _ : state) {
    zt6::DesignRecord copy = original;
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(BM_CopyDesignRecord);

void BM_CalculationRunSelfDefined(benchmark::State& state) {
  const zt6::DesignRecord original = Example();
  zt6::RunMessages messages;
  zt6::NoStandardTables tables;
  for (auto _ : state) {
    zt6::DesignRecord d = original;
    zt6::CalculationRun(d, messages, tables);
    benchmark::DoNotOptimize(d);
  }
}
BENCHMARK(BM_CalculationRunSelfDefined);

// Every position of shafts and holes with every grade 1..18 at one size.
void BM_LimitsAllPositionsAndGrades(benchmark::State& state) {
  const char* positions[] = {"a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g",
                             "h", "j", "js", "k", "m", "n", "p", "r", "s", "t",
                             "u", "v", "x", "y", "z", "za", "zb", "zc",
                             "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G",
                             "H", "J", "JS", "K", "M", "N", "P", "R", "S", "T",
                             "U", "V", "X", "Y", "Z", "ZA", "ZB", "ZC"};
  std::vector<std::string> designations;
  for (const char* position : positions) {
    for (int grade = 1; grade <= 18; ++grade) {
      designations.push_back(std::string(position) + std::to_string(grade));
    }
  }
  for (auto _ : state) {
    for (const std::string& designation : designations) {
      benchmark::DoNotOptimize(zt6::Limits(40, designation));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(designations.size()));
}
BENCHMARK(BM_LimitsAllPositionsAndGrades);

}  // namespace

BENCHMARK_MAIN();
