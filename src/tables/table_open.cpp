#include "tables/table_open.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/folder_join.h"
#include "base/safe_file.h"
#include "tables/dbf_file.h"
#include "tables/dbf_messages.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms kAnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

bool Readable(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  return static_cast<bool>(std::ifstream(path, std::ios::binary));
}

// Asked of the system rather than proved with a check file, which a run cut short
// would leave behind and which parallel runs would share.
bool FolderTakesFiles(const std::string& folder) {
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

// The read-only attribute: no write permission for anyone. Looked up in the mode bits,
// since the right to write would say yes to the superuser whatever the attribute.
bool ReadOnlyAttribute(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  return !ec && (status.permissions() & kAnyWrite) == fs::perms::none;
}

TableLocation CopyToTemporaryFolder(const std::string& path, const std::string& temporaryFolder) {
  if (temporaryFolder.empty()) return {false, {}, NotFoundText(path)};  // no folder of our own
  const std::string copy = JoinFolder(temporaryFolder, fs::path(path).filename().string());
  std::error_code ec;
  // With both folders alike there is nowhere to copy to; the table is used as it is.
  if (fs::equivalent(path, copy, ec)) return {true, path, {}};
  const FileContent content = ReadWholeFile(path, kMaxTableBytes);
  // Opening the oversized file gives its refusal text; nothing is copied for it.
  if (content.tooLarge) return {true, path, {}};
  if (!content.ok) return {false, {}, NotFoundText(path)};
  if (fs::exists(copy, ec))
    fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add, ec);
  if (!WriteFileSafely(copy, content.bytes).ok) return {false, {}, NotFoundText(copy)};
  fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add, ec);
  return {true, copy, {}};
}

}  // namespace

TableLocation LocateTableForUse(const std::string& name, const TableFolders& folders,
                                TableUse use) {
  const std::string file = name.find('.') == std::string::npos ? name + ".dbf" : name;
  const std::string path = JoinFolder(folders.tableFolder, file);
  if (!Readable(path)) return {false, {}, NotFoundText(path)};
  // The table is read whole into memory: a reader never needs a copy.
  if (use == TableUse::Read) return {true, path, {}};
  if (FolderTakesFiles(folders.tableFolder) && !ReadOnlyAttribute(path)) return {true, path, {}};
  return CopyToTemporaryFolder(path, folders.temporaryFolder);
}

}  // namespace zt6
