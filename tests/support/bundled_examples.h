#pragma once
// The example projects shipped in data/examples, for tests that run over every one.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/file_bytes.h"

namespace zt6::test_support {

inline auto BundledExamples() {
  return testing::Values("din5481_17x20.zt6", "getriebe_mit_aenderungen.zt6", "inch_shaft.zt6",
                         "lange_texte_120x125.zt6", "welle_12x14.zt6");
}

// The example's stem as a test name: "welle_12x14.zt6" gives "wellex12x14".
inline std::string ExampleTestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = std::filesystem::path(info.param).stem().string();
  std::replace(name.begin(), name.end(), '_', 'x');
  return name;
}

// The bytes of a shipped example project, for tests that cut or alter them.
inline std::string ExampleBytes(const std::string& name) {
  return FileBytes(std::filesystem::path(ZT6_DATA_DIR) / "examples" / name);
}

}  // namespace zt6::test_support
