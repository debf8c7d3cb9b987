// Speed of the 3D model: the 120x125 assembly with its four pins built and written as a
// STEP file, against OpenCASCADE's STEP reader reading the same file back into shapes
// (the baseline; goal: writing at most twice its time).

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include <IFSelect_ReturnStatus.hxx>
#include <STEPControl_Reader.hxx>

#include "app/cli/zt6_commands.h"
#include "step/step_model.h"

namespace {

namespace fs = std::filesystem;

struct Model {
  zt6::DesignRecord design;
  zt6::SolidModelOptions options;
  zt6::SolidNames names;
  fs::path file;
};

// The model as "zt6 cad --size 120x125 --model assembly --pins" hands it to the writer;
// the file it writes is the one read back.
const Model& Assembly() {
  static const Model model = [] {
    Model m;
    m.file = fs::temp_directory_path() / ("zt6_step_bench_" + std::to_string(::getpid()) + ".step");
    zt6::Zt6Outputs outputs;
    outputs.step = [&m](const zt6::DesignRecord& d, const zt6::SolidModelOptions& o,
                        const zt6::SolidNames& n, const std::string& path) {
      m.design = d;
      m.options = o;
      m.names = n;
      return zt6::WriteStepFile(zt6::BuildModelSolids(d, o, n), path);
    };
    std::istringstream in;
    std::ostringstream out, err;
    if (zt6::RunZt6({"cad", "--tables", ZT6_TABLE_DIR, "--size", "120x125", "--model", "assembly",
                     "--pins", "-o", m.file.string()},
                    out, err, in, outputs) != 0)
      throw std::runtime_error("zt6 cad --model failed: " + err.str());
    return m;
  }();
  return model;
}

// Baseline: OpenCASCADE reads the file and transfers it to shapes.
void BM_ReadBackWithOpenCascade(benchmark::State& state) {
  const Model& model = Assembly();
  for (auto _ : state) {
    STEPControl_Reader reader;
    if (reader.ReadFile(model.file.string().c_str()) != IFSelect_RetDone)
      state.SkipWithError("the reader refused the file");
    reader.TransferRoots();
    benchmark::DoNotOptimize(reader.OneShape());
  }
}
BENCHMARK(BM_ReadBackWithOpenCascade)->Unit(benchmark::kMillisecond);

void BM_WriteAssemblyWithPins(benchmark::State& state) {
  const Model& model = Assembly();
  const fs::path file = model.file.string() + ".written.step";
  for (auto _ : state) {
    const std::string problem =
        zt6::WriteStepFile(zt6::BuildModelSolids(model.design, model.options, model.names), file);
    if (!problem.empty()) state.SkipWithError(problem.c_str());
  }
  fs::remove(file);
}
BENCHMARK(BM_WriteAssemblyWithPins)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
