#pragma once
// Where the configuration lives, loading and saving it, and the check of the
// configured folders at start-up.
//
// "Textprogramm" and "HTML Browser" left empty mean the desktop's default program
// for the file; "Default Data Directory" defaults to the start-up working directory
// with a trailing "/".

#include <filesystem>
#include <string>
#include <string_view>

#include "app/files/configuration.h"
#include "app/ports/prompts.h"
#include "app/state/shell_state.h"
#include "base/program_identity.h"

namespace zt6 {

// The configuration directory and base name; the session file sits beside the
// configuration file.
struct ConfigurationPlace {
  std::filesystem::path directory;
  std::string baseName = kProgramLowerName;

  std::filesystem::path ConfigurationFile() const;  // directory / "zt6.cfg"
  std::filesystem::path SessionFile() const;        // directory / "zt6.cff"
};

// The second place of the configuration: $XDG_CONFIG_HOME/zt6, else
// $HOME/.config/zt6; empty when neither is set.
std::filesystem::path UserConfigurationFolder();

// A folder setting (CP850, maybe blank-padded) as the file system names it.
std::filesystem::path FolderSettingPath(std::string_view setting);

// Files above this size are not configurations and count as unreadable.
inline constexpr std::size_t kMaxConfigurationBytes = 1 << 20;

// Whether the bytes are a configuration file's: they start with "zt6 Konfiguration"
// (in any case) and hold no NUL.
bool LooksLikeConfiguration(std::string_view bytes);

// Reads the configuration file of place, else the one in the per-user folder, which
// then becomes place's directory. Before reading an empty "Default Data Directory"
// becomes the start directory. When neither file is readable the settings keep their
// values, the drawing area and the text window height follow the screen, the per-user
// folder (when there is one) becomes place's directory, and the cancel flag is set. The dialog scale keeps its default of 102, since its start-up
// value would need the main window's frame. A file that is no configuration is not
// read, like an unreadable one; the first such file goes to *refused when given.
// Returns the file read, empty for none.
std::filesystem::path LoadConfiguration(Configuration& config, ConfigurationPlace& place,
                                        ScreenSize screen, std::string_view startDirectory,
                                        ShellState& shell,
                                        std::filesystem::path* refused = nullptr);

// Writes the whole configuration file without risking the old one. After a failure
// the message is shown and the user asked "Nochmals versuchen ?"; No or Cancel (and
// any failure while message boxes are off) abandons the write with the cancel flag
// set. The per-user folder is created when saving into it. True when written.
bool SaveConfiguration(const Configuration& config, const std::filesystem::path& file,
                       Prompts& prompts);

// Fills empty folders (temporary: $TEMP, else the system's temporary folder, else the
// start directory; DBF, PLT, EDI and default data: the start directory) and reports
// every unusable one. A bad temporary folder is asked for again for as long as the
// user types a new one; Cancel, an unchanged answer or message boxes switched off put
// the system's temporary folder in its place and leave the cancel flag as it was.
// startDirectory is a file-system name; the folders are CP850 settings.
void CheckDirectories(Configuration& config, Prompts& prompts, const std::string& startDirectory);

}  // namespace zt6
