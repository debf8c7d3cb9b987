// Fuzzes the reader of the screen's block files and the user's logo files: any input
// parses without a crash, and every polyline it returns has the vertices it read.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cad/block_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const zt6::BlockFile block = zt6::ParseBlockFile(bytes);
  for (const zt6::BlockEntity& entity : block.entities)
    if (entity.kind == zt6::BlockEntity::Kind::Polyline && entity.vertices.empty())
      __builtin_trap();
  return 0;
}
