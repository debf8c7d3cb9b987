#pragma once
// The default configuration of wzt6 with the table folder named, for a run that reads
// zt6.cfg in its working folder.

#include <filesystem>
#include <string>

#include "support/file_bytes.h"

namespace zt6::test_support {

inline std::string ConfigurationWithTables(const std::filesystem::path& tables) {
  std::string configuration =
      FileBytes(std::filesystem::path(ZT6_DATA_DIR) / ".." / "tests" / "app" / "golden" /
                "configuration_defaults.cfg");
  const std::string entry = "\r\nDBF Ordner\r\n\r\n";
  const std::size_t at = configuration.find(entry);
  if (at != std::string::npos)
    configuration.replace(at, entry.size(), "\r\nDBF Ordner\r\n" + tables.string() + "/\r\n");
  return configuration;
}

}  // namespace zt6::test_support
