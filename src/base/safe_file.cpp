#include "base/safe_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#include "base/large_buffer.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

// A name beside the target that no other writer of the same file picks at once.
fs::path TemporaryBeside(const fs::path& file) {
  // One generator per thread: sessions may run side by side in threads.
  thread_local std::mt19937_64 generator{std::random_device{}()};
  fs::path work = file;
  work += ".tmp" + std::to_string(generator() % 1000000);
  return work;
}

}  // namespace

SafeWriteResult WriteFileSafely(const fs::path& file, std::string_view content) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  const bool exists = !ec && fs::exists(status);
  if (exists && fs::is_directory(status)) return {false, "is a folder", 0};
  if (exists && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
    return {false, "write-protected", 0};

  const fs::path work = TemporaryBeside(file);
  {
    errno = 0;
    std::ofstream out(work, std::ios::binary | std::ios::trunc);
    if (!out) return {false, "cannot create the file", errno};
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (out.fail()) {
      const int error = errno;
      fs::remove(work, ec);
      return {false, "write error (disk full?)", error};
    }
  }
  if (exists) fs::permissions(work, status.permissions(), ec);
  fs::rename(work, file, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(work, ignored);
    return {false, ec.message(), ec.value()};
  }
  return {true, {}};
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
