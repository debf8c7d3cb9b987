// Whole-file writing through a temporary file, and the size-capped reader.

#include "base/safe_file.h"

#include <gtest/gtest.h>
#include <filesystem>
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
