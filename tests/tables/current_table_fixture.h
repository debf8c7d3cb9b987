#pragma once
// A table folder, a temporary folder and the current table for one test.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "calc/run_messages.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "tables/current_table.h"
#include "tables/dbf_writer.h"

namespace zt6::test_support {

class TableTest : public ::testing::Test {
 protected:
  TableTest() : dir_("zt6_tables") {
    std::filesystem::create_directories(TableFolder());
    std::filesystem::create_directories(TemporaryFolder());
  }

  std::filesystem::path TableFolder() const { return dir_.path() / "dbf"; }
  std::filesystem::path TemporaryFolder() const { return dir_.path() / "tmp"; }
  TableFolders Folders() const { return {TableFolder().string(), TemporaryFolder().string()}; }

  // A table in the table folder written by the project's writer; fails the test if it cannot.
  std::filesystem::path Create(const std::string& file, const std::vector<DbfFieldSpec>& fields,
                               const std::vector<std::vector<std::string>>& records) {
    const std::filesystem::path path = TableFolder() / file;
    const DbfCreateResult created = CreateDbfTable(path.string(), fields, records);
    EXPECT_TRUE(created.ok) << created.error;
    return path;
  }

  // A file of hand-made bytes in the table folder.
  std::filesystem::path WriteRaw(const std::string& file, const std::string& bytes) {
    return dir_.Write("dbf/" + file, bytes);
  }

  std::string Bytes(const std::filesystem::path& file) const { return FileBytes(file); }

  TempDir dir_;
  RunMessages messages_;
  CurrentTable table_{messages_};
};

}  // namespace zt6::test_support
