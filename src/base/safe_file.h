#pragma once
// Whole-file writing that never destroys the previous file: the content goes to a
// temporary file beside the target, which is renamed into place only when every byte
// was written and the file closed cleanly.

#include <filesystem>
#include <string>
#include <string_view>

namespace zt6 {

struct SafeWriteResult {
  bool ok = false;
  std::string error;  // what went wrong, for a message; empty when ok
  int errorNumber = 0;  // the system's error number (errno) of the failure, 0 if none
};

// Writes content as the whole file. A write-protected target is refused rather than
// replaced by the rename. On failure the target is unchanged and no temporary file
// is left behind.
SafeWriteResult WriteFileSafely(const std::filesystem::path& file, std::string_view content);

// Reads a whole file of at most maxBytes. ok is false when it cannot be opened or read;
// tooLarge tells that it holds more (a reader's guard against absurd input).
struct FileContent {
  bool ok = false;
  bool tooLarge = false;
  int errorNumber = 0;  // why it could not be read (errno; EISDIR for a folder)
  std::string bytes;
};
FileContent ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

// Why a file or folder could not be read, in English: "not found", "permission denied",
// "is a folder", else the system's text.
std::string ReadErrorText(int errorNumber);

}  // namespace zt6
