#pragma once
// Small dBASE tables for tests, written with the program's own table writer, and the
// lookups' surroundings (settings, prompts, scripted windows, the current table).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/files/configuration.h"
#include "app/lookups/table_access.h"
#include "app/ports/prompts.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "calc/run_messages.h"
#include "support/temp_dir.h"
#include "tables/current_table.h"
#include "tables/dbf_writer.h"

namespace zt6::test_support {

// Values are written in UTF-8 here and handed to the writer in the Windows code page.
inline void WriteTable(const std::filesystem::path& file, const std::vector<DbfFieldSpec>& fields,
                       std::vector<std::vector<std::string>> records) {
  for (auto& record : records)
    for (std::string& value : record) value = Utf8ToCp1252(value);
  const DbfCreateResult created = CreateDbfTable(file.string(), fields, records);
  ASSERT_TRUE(created.ok) << created.error;
}

// The fields of the material table "wst1base", in its order.
inline std::vector<DbfFieldSpec> MaterialTableFields() {
  return {{"WSTNR", 'C', 9, 0},  {"NAME", 'C', 18, 0}, {"TEXT", 'C', 9, 0},  {"TYP", 'N', 2, 0},
          {"RM", 'N', 5, 0},     {"RE", 'N', 5, 0},    {"F7", 'N', 5, 0},    {"F8", 'N', 8, 2},
          {"F9", 'N', 8, 2},     {"F10", 'N', 8, 2},   {"F11", 'N', 8, 2},   {"NORM", 'C', 35, 0},
          {"ZUSTAND", 'C', 35, 0}};
}

// A table folder and a temporary folder with the lookups wired to a scripted Ui.
class LookupFixture : public ::testing::Test {
 protected:
  TempDir tables{"zt6_tables"};
  TempDir temporary{"zt6_tables_tmp"};
  Configuration config;
  ShellState shell;
  ScriptedUi ui;
  Prompts prompts{ui, shell, config.format};
  RunMessages messages;
  CurrentTable table{messages};
  WorkFolder work;
  TableAccess access{table, prompts, config, work};

  void SetUp() override {
    config.dbfFolder = Utf8ToCp850(tables.path().string());
    config.temporaryFolder = Utf8ToCp850(temporary.path().string());
  }
  void Table(const std::string& name, const std::vector<DbfFieldSpec>& fields,
             const std::vector<std::vector<std::string>>& records) {
    WriteTable(tables.path() / (name + ".dbf"), fields, records);
  }
  // The material groups 1 and 3 with their factors fS and fH for shaft and hub.
  void MaterialGroupTable() {
    Table("zt5wstyp",
          {{"TYP", 'N', 2, 0}, {"NAME", 'C', 20, 0}, {"FS3", 'N', 5, 2}, {"FH3", 'N', 5, 2},
           {"FSWELLE", 'N', 5, 2}, {"FHNABE", 'N', 5, 2}, {"FSNABE", 'N', 5, 2},
           {"FHWELLE", 'N', 5, 2}},
          {{"1", "Baustahl", "", "", "1.2", "1.0", "1.5", "1.0"},
           {"3", "einsatzgehärtet", "", "", "1.25", "1.1", "1.6", "1.15"}});
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : ui.Of("message")) texts.push_back(p.text);
    return texts;
  }
  std::vector<std::string> RunMessageTexts() const {
    std::vector<std::string> texts;
    for (int k = 1; k <= messages.Count(); ++k) texts.push_back(messages.Message(k));
    return texts;
  }
};

}  // namespace zt6::test_support
