// Fuzzes the project-file reader: any input is refused or read without a crash, and a
// file written from what was read reads back into the same file. The first write may
// still change values: reals keep 7 decimals, so 1e-10 is written "0.0000000" and read
// back as 0, which the next write gives as "0". From then on the file must be stable.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/files/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zt6::DesignRecord design;
  zt6::DocumentationData docs;
  if (!zt6::ParseProjectText(bytes, design, docs).ok) return 0;

  const zt6::FormatSettings settings;
  const auto rewrite = [&settings](const std::string& text) {
    zt6::DesignRecord again;
    zt6::DocumentationData againDocs;
    if (!zt6::ParseProjectText(text, again, againDocs).ok) __builtin_trap();
    return zt6::ProjectFileText(again, againDocs, settings);
  };
  const std::string settled = rewrite(zt6::ProjectFileText(design, docs, settings));
  if (rewrite(settled) != settled) __builtin_trap();
  return 0;
}
