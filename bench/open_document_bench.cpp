// How long opening a document link takes when its program or its file is missing: the
// program is started and not waited for, so both return at once (milliseconds, not the
// seconds a wait for the started program would take).

#include <benchmark/benchmark.h>

#include "app/commands/documentation_commands.h"
#include "app/ports/posix_launcher.h"

namespace {

void BM_OpenDocumentMissingProgram(benchmark::State& state) {
  zt6::PosixLauncher launcher;
  for (auto _ : state)
    benchmark::DoNotOptimize(zt6::OpenDocument({"/nicht/vorhanden/programm", "x.txt"}, launcher));
}
BENCHMARK(BM_OpenDocumentMissingProgram)->Unit(benchmark::kMillisecond);

void BM_OpenDocumentMissingFile(benchmark::State& state) {
  zt6::PosixLauncher launcher;
  for (auto _ : state)
    benchmark::DoNotOptimize(zt6::OpenDocument({"true", "/nicht/vorhanden/datei.txt"}, launcher));
}
BENCHMARK(BM_OpenDocumentMissingFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
