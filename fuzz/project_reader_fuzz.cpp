// Fuzzes the project-file reader: any input is refused or read without a crash, and
// whatever is read writes back into a file that reads the same again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zt6::DesignRecord design;
  zt6::DocumentationData docs;
  if (!zt6::ParseProjectText(bytes, design, docs).ok) return 0;

  zt6::FormatSettings settings;
  const std::string written = zt6::ProjectFileText(design, docs, settings);
  zt6::DesignRecord again;
  zt6::DocumentationData againDocs;
  if (!zt6::ParseProjectText(written, again, againDocs).ok) __builtin_trap();
  if (zt6::ProjectFileText(again, againDocs, settings) != written) __builtin_trap();
  return 0;
}
