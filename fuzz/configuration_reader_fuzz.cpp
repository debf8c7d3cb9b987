// Fuzzes the configuration reader: any input reads without a crash, and the settings it
// gives write a file that reads back into the same settings.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/files/configuration.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // As at start-up: the data folder defaults to the start directory before reading.
  zt6::Configuration config;
  config.defaultDataFolder = zt6::StartFolderSetting("/start");
  zt6::ReadConfigurationText(bytes, config, zt6::kBatchScreenSize, "/start");

  const std::string written = zt6::ConfigurationText(config);
  zt6::Configuration again;
  again.defaultDataFolder = config.defaultDataFolder;
  zt6::ReadConfigurationText(written, again, zt6::kBatchScreenSize, "/start");
  if (zt6::ConfigurationText(again) != written) __builtin_trap();
  return 0;
}
