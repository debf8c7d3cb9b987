// zt6-step: "zt6 cad --model ... --format step", started by zt6 in its place; the solids
// are built and written with OpenCASCADE, which zt6 itself does not load.

#include <string>
#include <vector>

#include "app/cli/zt6_process.h"
#include "step/step_model.h"

int main(int argc, char** argv) {
  zt6::Zt6Outputs outputs;
  outputs.step = [](const zt6::DesignRecord& design, const zt6::SolidModelOptions& options,
                    const zt6::SolidNames& names, const std::string& path) {
    return zt6::WriteStepFile(zt6::BuildModelSolids(design, options, names), path);
  };
  const std::vector<std::string> args(argv + 1, argv + argc);
  return zt6::RunZt6Process(args, outputs);
}
