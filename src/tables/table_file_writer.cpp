#include "tables/table_file_writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tables/dbf_error.h"
#include "tables/dbf_messages.h"

namespace zt6 {

TableFileWriter::TableFileWriter(const std::string& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd_ < 0)
    throw DbfError("Datei " + PathText(path) +
                   " kann nicht beschrieben werden: " + std::strerror(errno));
}

TableFileWriter::~TableFileWriter() {
  if (fd_ >= 0) ::close(fd_);
}

bool TableFileWriter::TryLock() {
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) return false;
    throw DbfError("Datei " + PathText(path_) +
                   " kann nicht gesperrt werden: " + std::strerror(errno));
  }
  return true;
}

void TableFileWriter::WriteAt(std::uint64_t offset, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      throw DbfError("Datei " + PathText(path_) + " kann nicht beschrieben werden: " +
                     std::strerror(written < 0 ? errno : ENOSPC));
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
    offset += static_cast<std::uint64_t>(written);
  }
}

}  // namespace zt6
