#include "app/files/project_for_run.h"

namespace zt6 {

std::string OutOfRangeProblem(const OutOfRange& out) {
  return std::string(out.input->field) + " = " + InputValueText(out.value) +
         " is outside its range " + out.input->rule.range.Text("and");
}

ProjectParseResult LoadProjectForRun(const std::filesystem::path& file, DesignRecord& design,
                                     DocumentationData& docs) {
  DesignRecord readDesign = design;
  DocumentationData readDocs = docs;
  ProjectParseResult result = LoadProjectFile(file, readDesign, readDocs);
  if (!result.ok) return result;
  if (result.truncated) {
    result.ok = false;
    result.problem = "file ends early after line " + std::to_string(result.lines);
    return result;
  }
  if (const auto out = FirstInputOutOfRange(readDesign)) {
    result.ok = false;
    result.problem = OutOfRangeProblem(*out);
    return result;
  }
  design = std::move(readDesign);
  docs = std::move(readDocs);
  return result;
}

}  // namespace zt6
