#pragma once
// Whole-file writing that never destroys the previous file: the content goes to a
// temporary file beside the target, which is renamed into place only when every byte
// was written and the file closed cleanly. The temporary file is removed also when
// the run is interrupted (base/interrupt_cleanup.h).

#include <filesystem>
#include <string>
#include <string_view>

namespace zt6 {

struct SafeWriteResult {
  bool ok = false;
  std::string error;  // what went wrong, for a message; empty when ok
  int errorNumber = 0;  // the system's error number (errno) of the failure, 0 if none
};

// Writes content as the whole file. What stands at the name stays what it is: a symbolic
// link is followed and its target replaced; a device or a pipe is written into; a file
// with more than one name is overwritten in place once room for the content is taken;
// any other file is replaced by the rename, keeping its mode and (where the process
// may) its owner. A write-protected target is refused rather than replaced. On failure
// the target is unchanged, no temporary file is left behind, and error is the system's
// reason ("No space left on device").
SafeWriteResult WriteFileSafely(const std::filesystem::path& file, std::string_view content);

// Whether both names reach one file (the same device and inode, links followed);
// false when either cannot be reached.
bool IsSameFile(const std::filesystem::path& first, const std::filesystem::path& second);

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
