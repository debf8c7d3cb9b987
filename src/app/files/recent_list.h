#pragma once
// The four recent project files of the File menu, entry 1 newest. Entries are full
// paths as the file system names them (UTF-8), like the project directory.

#include <string>

#include "app/files/session_file.h"

namespace zt6 {

// A file's path as the list keeps it: absolute, without "." or ".." parts, so a name
// typed relative to the start folder still opens from elsewhere.
std::string RecentEntryPath(const std::string& path);
// Moves an equal path (compared in upper case) or a new one to entry 1; the fourth
// entry drops out when the list is full.
void AddRecent(RecentFiles& recent, const std::string& path);
// Removes entry 1..4; later entries move up.
void RemoveRecent(RecentFiles& recent, int entry);
// Paths of 50 characters or more as first folder + "..." + last part; backslash and
// slash both separate folders.
std::string ShortenedPath(const std::string& path);

}  // namespace zt6
