#pragma once
// The project files of a folder, as "Open (Table)" and the batch runs of zt6 calc list
// them.

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace zt6 {

// The "*.zt6" files of the folder (extension in any case, subfolders not entered),
// ordered by name without regard to case; "" is the working folder. A folder that
// cannot be read gives none, and *error (when given) says why.
std::vector<std::filesystem::path> ProjectFiles(const std::string& folder,
                                                std::error_code* error = nullptr);

}  // namespace zt6
