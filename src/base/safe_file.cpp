#include "base/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "base/interrupt_cleanup.h"
#include "base/large_buffer.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

constexpr int kLinkHops = 40;  // as the system follows them

// A name beside the target that no other writer of the same file picks at once.
fs::path TemporaryBeside(const fs::path& file) {
  // One generator per thread: sessions may run side by side in threads.
  thread_local std::mt19937_64 generator{std::random_device{}()};
  fs::path work = file;
  work += ".tmp" + std::to_string(generator() % 1000000);
  return work;
}

SafeWriteResult Failure(int errorNumber) {
  return {false, std::strerror(errorNumber), errorNumber};
}

// The file a name stands for once its symbolic links are followed, so that the link
// stays and what it points at is replaced. A target that does not exist yet is the
// name the last link gives.
fs::path FollowedLinks(fs::path file) {
  for (int hop = 0; hop < kLinkHops; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(file, ec))) return file;
    const fs::path target = fs::read_symlink(file, ec);
    if (ec) return file;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file;
}

// Every byte, however the system splits the writes.
int WriteAll(int descriptor, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(descriptor, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

int CloseChecked(int descriptor, int error) {
  const int closed = ::close(descriptor) == 0 ? 0 : errno;
  return error != 0 ? error : closed;
}

// Devices and pipes take the bytes as they are written: there is nothing to replace.
SafeWriteResult WriteIntoDevice(const fs::path& file, std::string_view content) {
  const int descriptor = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return Failure(errno);
  const int error = CloseChecked(descriptor, WriteAll(descriptor, content));
  return error == 0 ? SafeWriteResult{true, {}, 0} : Failure(error);
}

// A file with more than one name is overwritten where it is, so that every name keeps
// seeing it. The room for the whole content is taken first: a full disk is found before
// a byte of the earlier content changes.
SafeWriteResult WriteInPlace(const fs::path& file, std::string_view content) {
  const int descriptor = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return Failure(errno);
  const auto size = static_cast<off_t>(content.size());
  int error = size > 0 ? ::posix_fallocate(descriptor, 0, size) : 0;
  if (error == 0) error = WriteAll(descriptor, content);
  if (error == 0 && ::ftruncate(descriptor, size) != 0) error = errno;
  error = CloseChecked(descriptor, error);
  return error == 0 ? SafeWriteResult{true, {}, 0} : Failure(error);
}

// The content into a new file beside the target, with the earlier file's mode and
// owner, renamed over it once complete.
SafeWriteResult WriteBeside(const fs::path& file, std::string_view content,
                            const struct stat* earlier) {
  fs::path work;
  int descriptor = -1;
  for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
    work = TemporaryBeside(file);
    descriptor = ::open(work.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno != EEXIST) return Failure(errno);
  }
  if (descriptor < 0) return Failure(EEXIST);
  const LeftoverOnInterrupt leftover(work, LeftoverOnInterrupt::Kind::File);
  if (earlier != nullptr) {
    // The owner only where the process may give it (the superuser, or a group of its
    // own); the mode after it, as a change of owner clears the set-id bits.
    struct stat made {};
    if (::fstat(descriptor, &made) == 0 &&
        (made.st_uid != earlier->st_uid || made.st_gid != earlier->st_gid)) {
      if (::fchown(descriptor, earlier->st_uid, earlier->st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(descriptor, static_cast<uid_t>(-1), earlier->st_gid);
      }
    }
    ::fchmod(descriptor, earlier->st_mode & 07777);
  }
  int error = CloseChecked(descriptor, WriteAll(descriptor, content));
  if (error == 0 && ::rename(work.c_str(), file.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(work.c_str());
    return Failure(error);
  }
  return {true, {}, 0};
}

}  // namespace

SafeWriteResult WriteFileSafely(const fs::path& name, std::string_view content) {
  const fs::path file = FollowedLinks(name);
  struct stat earlier {};
  if (::stat(file.c_str(), &earlier) != 0) {
    if (errno != ENOENT) return Failure(errno);
    return WriteBeside(file, content, nullptr);
  }
  if (S_ISDIR(earlier.st_mode)) return {false, "is a folder", EISDIR};
  if (!S_ISREG(earlier.st_mode)) return WriteIntoDevice(file, content);
  if ((earlier.st_mode & S_IWUSR) == 0) return {false, "write-protected", 0};
  if (earlier.st_nlink > 1) return WriteInPlace(file, content);
  return WriteBeside(file, content, &earlier);
}

bool IsSameFile(const fs::path& first, const fs::path& second) {
  struct stat a {};
  struct stat b {};
  return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
         a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string ReadErrorText(int errorNumber) {
  switch (errorNumber) {
    case ENOENT: return "not found";
    case EACCES:
    case EPERM: return "permission denied";
    case EISDIR: return "is a folder";
    default: return std::error_code(errorNumber, std::generic_category()).message();
  }
}

FileContent ReadWholeFile(const fs::path& file, std::size_t maxBytes) {
  FileContent result;
  std::error_code ec;
  if (fs::is_directory(file, ec)) {
    result.errorNumber = EISDIR;
    return result;
  }
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    result.errorNumber = errno != 0 ? errno : EIO;
    return result;
  }
  // Room for the whole file at once, so that a large one is not copied as it grows.
  const std::uintmax_t size = fs::file_size(file, ec);
  if (!ec && size < maxBytes) {
    ReserveLargeBuffer(result.bytes, static_cast<std::size_t>(size) + 1);
  } else {
    result.bytes.reserve(4096);
  }
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    const auto got = static_cast<std::size_t>(in.gcount());
    if (result.bytes.size() + got > maxBytes) {
      result.tooLarge = true;
      result.bytes.clear();
      return result;
    }
    result.bytes.append(buffer, got);
  }
  if (in.bad()) {
    result.errorNumber = errno != 0 ? errno : EIO;
    result.bytes.clear();
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace zt6
