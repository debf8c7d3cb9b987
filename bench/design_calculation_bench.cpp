// One design as zt6 calc calculates it in-process: the DIN 5481 row taken from the
// shipped table, one input set, the calculation run; and the same with the JSON text
// that zt6 calc --json prints. The baseline of the Python module's calc() in
// bench/python_calc.py, which runs this program and reads the first figure.

#include <sstream>

#include <benchmark/benchmark.h>

#include "app/cli/design_calculation.h"
#include "app/cli/design_output.h"
#include "base/json_writer.h"

namespace {

zt6::DesignOptions SizeAndLength() {
  zt6::DesignOptions options;
  options.size = "21x24";
  options.assignments = {"l=30"};
  return options;
}

void BM_CalcSizeAndSet(benchmark::State& state) {
  zt6::DesignCalculator calculator;
  const zt6::DesignOptions options = SizeAndLength();
  if (!calculator.Calculate(std::nullopt, options).calculated) state.SkipWithError("not calculated");
  for (auto _ : state) {
    const zt6::CalcOutcome outcome = calculator.Calculate(std::nullopt, options);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_CalcSizeAndSet);

void BM_CalcSizeAndSetAsJson(benchmark::State& state) {
  zt6::DesignCalculator calculator;
  const zt6::DesignOptions options = SizeAndLength();
  for (auto _ : state) {
    calculator.Calculate(std::nullopt, options);
    std::ostringstream text;
    zt6::JsonWriter json(text);
    json.BeginObject();
    zt6::WriteDesignMembers(json, calculator.Design(), calculator.Messages());
    json.EndObject();
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_CalcSizeAndSetAsJson);

}  // namespace

BENCHMARK_MAIN();
