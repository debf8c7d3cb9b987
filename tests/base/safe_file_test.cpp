// Whole-file writing through a temporary file, and the size-capped reader.

#include "base/safe_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <future>
#include <iterator>

#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;

using test_support::FileBytes;

std::size_t FilesIn(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

TEST(SafeFile, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  TempDir dir("zt6_safe");
  const fs::path file = dir.Write("a.txt", "old");
  ASSERT_TRUE(WriteFileSafely(file, std::string("new\0bytes", 9)).ok);
  EXPECT_EQ(FileBytes(file), std::string("new\0bytes", 9));
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(SafeFile, AFailedWriteKeepsThePreviousFile) {
  TempDir dir("zt6_safe");
  const fs::path file = dir.Write("a.txt", "previous");
  SafeWriteResult result;
  {
    const test_support::FileSizeLimit limit(1000);
    result = WriteFileSafely(file, std::string(100000, 'x'));
  }
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(FileBytes(file), "previous");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(SafeFile, RefusesFoldersAndImpossiblePlaces) {
  TempDir dir("zt6_safe");
  EXPECT_FALSE(WriteFileSafely(dir.path(), "x").ok);
  const fs::path plain = dir.Write("plain", "p");
  EXPECT_FALSE(WriteFileSafely(plain / "inside.txt", "x").ok);
  EXPECT_EQ(FileBytes(plain), "p");
}

// A device of the system's kind: the real one, or as root (who could destroy the real
// one) a node of the same numbers in the test's folder.
fs::path CharacterDevice(const TempDir& dir, const char* name, unsigned minor) {
  const fs::path real = fs::path("/dev") / name;
  if (::geteuid() != 0) return real;
  const fs::path node = dir.path() / name;
  EXPECT_EQ(::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, minor)), 0) << node;
  return node;
}

bool IsCharacterDevice(const fs::path& file) {
  struct stat s {};
  return ::lstat(file.c_str(), &s) == 0 && S_ISCHR(s.st_mode);
}

TEST(SafeFile, DevicesAreWrittenIntoAndStayDevices) {
  TempDir dir("zt6_safe");
  const fs::path null = CharacterDevice(dir, "null", 3);
  const SafeWriteResult intoNull = WriteFileSafely(null, "bytes");
  EXPECT_TRUE(intoNull.ok) << intoNull.error;
  EXPECT_TRUE(IsCharacterDevice(null));

  const fs::path full = CharacterDevice(dir, "full", 7);
  const SafeWriteResult intoFull = WriteFileSafely(full, "bytes");
  EXPECT_FALSE(intoFull.ok);
  EXPECT_EQ(intoFull.errorNumber, ENOSPC);
  EXPECT_NE(intoFull.error.find("No space left on device"), std::string::npos) << intoFull.error;
  EXPECT_TRUE(IsCharacterDevice(full));
  EXPECT_EQ(FilesIn(dir.path()), ::geteuid() == 0 ? 2u : 0u);
}

TEST(SafeFile, AFifoIsWrittenIntoAndStaysAFifo) {
  TempDir dir("zt6_safe");
  const fs::path fifo = dir.path() / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto received = std::async(std::launch::async, [&fifo] { return FileBytes(fifo); });
  const SafeWriteResult written = WriteFileSafely(fifo, "through the pipe");
  EXPECT_TRUE(written.ok) << written.error;
  if (!written.ok) std::ofstream(fifo).close();  // lets the reader end
  EXPECT_EQ(received.get(), "through the pipe");
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(SafeFile, ASymlinkStaysAndItsTargetIsReplaced) {
  TempDir dir("zt6_safe");
  fs::create_directories(dir.path() / "real");
  const fs::path target = dir.Write("real/out.txt", "old");
  fs::create_symlink("real/out.txt", dir.path() / "link.txt");
  // A link to a link, and a link whose target does not exist yet.
  fs::create_symlink("link.txt", dir.path() / "second.txt");
  fs::create_symlink("real/new.txt", dir.path() / "dangling.txt");

  ASSERT_TRUE(WriteFileSafely(dir.path() / "second.txt", "new").ok);
  ASSERT_TRUE(WriteFileSafely(dir.path() / "dangling.txt", "created").ok);

  for (const char* link : {"link.txt", "second.txt", "dangling.txt"})
    EXPECT_TRUE(fs::is_symlink(dir.path() / link)) << link;
  EXPECT_EQ(FileBytes(target), "new");
  EXPECT_EQ(FileBytes(dir.path() / "real" / "new.txt"), "created");
  EXPECT_EQ(FilesIn(dir.path() / "real"), 2u);
}

TEST(SafeFile, KeepsTheModeAndTheOwnerOfTheFileReplaced) {
  TempDir dir("zt6_safe");
  const fs::path file = dir.Write("a.txt", "old");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
  }

  ASSERT_TRUE(WriteFileSafely(file, "new").ok);

  struct stat s {};
  ASSERT_EQ(::stat(file.c_str(), &s), 0);
  EXPECT_EQ(s.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(s.st_uid, 65534u);
    EXPECT_EQ(s.st_gid, 65534u);
  }
  EXPECT_EQ(FileBytes(file), "new");
}

// A file with a second name is written in place, once room for the whole content is
// taken, so every name sees the new content and a full disk leaves the old one.
TEST(SafeFile, HardLinksStayLinkedAndAFullDiskKeepsTheirContent) {
  TempDir dir("zt6_safe");
  const fs::path file = dir.Write("a.txt", "a longer old content");
  fs::create_hard_link(file, dir.path() / "b.txt");

  ASSERT_TRUE(WriteFileSafely(file, "new").ok);
  EXPECT_EQ(FileBytes(dir.path() / "b.txt"), "new");
  EXPECT_EQ(fs::hard_link_count(file), 2u);

  SafeWriteResult full;
  {
    const test_support::FileSizeLimit limit(1000);
    full = WriteFileSafely(file, std::string(100000, 'x'));
  }
  EXPECT_FALSE(full.ok);
  EXPECT_FALSE(full.error.empty());
  EXPECT_EQ(FileBytes(dir.path() / "b.txt"), "new");
  EXPECT_EQ(FilesIn(dir.path()), 2u);
}

TEST(SafeFile, TheSameFileIsFoundThroughLinks) {
  TempDir dir("zt6_safe");
  const fs::path file = dir.Write("p.zt6", "project");
  const fs::path other = dir.Write("q.zt6", "project");
  fs::create_symlink("p.zt6", dir.path() / "link.zt6");
  fs::create_hard_link(file, dir.path() / "hard.zt6");
  EXPECT_TRUE(IsSameFile(file, dir.path() / "link.zt6"));
  EXPECT_TRUE(IsSameFile(dir.path() / "hard.zt6", file));
  EXPECT_TRUE(IsSameFile(dir.path() / "." / "p.zt6", file));
  EXPECT_FALSE(IsSameFile(file, other));
  EXPECT_FALSE(IsSameFile(file, dir.path() / "missing"));
}

TEST(SafeFile, ReaderCapsTheSize) {
  TempDir dir("zt6_safe");
  const fs::path file = dir.Write("big", std::string(5000, 'b'));
  EXPECT_TRUE(ReadWholeFile(file, 5000).ok);
  const FileContent capped = ReadWholeFile(file, 4999);
  EXPECT_FALSE(capped.ok);
  EXPECT_TRUE(capped.tooLarge);
  EXPECT_FALSE(ReadWholeFile(dir.path() / "missing", 10).ok);
  EXPECT_FALSE(ReadWholeFile(dir.path(), 10).ok);
}

}  // namespace
}  // namespace zt6
