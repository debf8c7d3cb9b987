// Finding a windowed text editor: the desktop's default for text files when it has a
// window of its own, else a known editor on the path, else none (and a message).

#include "app/ports/text_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ports/recording_launcher.h"
#include "app/ports/scripted_ui.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

class TextEditorTest : public ::testing::Test {
 protected:
  fs::path Program(const std::string& name) {
    const fs::path file = dir.path() / "bin" / name;
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "#!/bin/sh\n";
    fs::permissions(file, fs::perms::owner_all);
    return file;
  }
  void Entry(const std::string& name, const std::string& body) {
    fs::create_directories(dir.path() / "share/applications");
    std::ofstream(dir.path() / "share/applications" / name) << body;
  }
  TextEditorSearch Search(const std::string& defaultEntry) {
    TextEditorSearch search;
    search.searchPath = (dir.path() / "bin").string();
    search.dataFolders = {(dir.path() / "nothing").string(), (dir.path() / "share").string()};
    search.defaultDesktopEntry = [defaultEntry] { return defaultEntry; };
    return search;
  }
  test_support::TempDir dir{"zt6_text_editor"};
};

TEST_F(TextEditorTest, TheDefaultIsTakenOnlyWhenItHasAWindowOfItsOwn) {
  const fs::path own = Program("notizen");
  const fs::path known = Program("mousepad");
  Program("vim");
  Entry("notizen.desktop", "[Desktop Entry]\nName=Notizen\nExec=notizen %U\nTerminal=false\n");
  Entry("vim.desktop", "[Desktop Entry]\nExec=vim %F\nTerminal=true\n");
  Entry("fehlt.desktop", "[Desktop Entry]\nExec=/nirgends/fehlt %F\n");
  Entry("andere.desktop", "[Other Section]\nExec=notizen\n[Desktop Entry]\nTerminal=false\n");
  const std::pair<std::string, fs::path> cases[] = {
      {"notizen.desktop", own},  {"vim.desktop", known}, {"fehlt.desktop", known},
      {"andere.desktop", known}, {"", known},            {"../../bin/notizen", known},
  };
  for (const auto& [entry, expected] : cases)
    EXPECT_EQ(FindTextEditor(Search(entry)), std::optional<std::string>(expected.string())) << entry;
}

TEST_F(TextEditorTest, WithoutAnEditorTheUserIsToldWhereTheFileLies) {
  Program("vim");
  ScriptedUi ui;
  ShellState shell;
  FormatSettings format;
  Prompts prompts(ui, shell, format);
  RecordingLauncher launcher;
  EXPECT_FALSE(OpenInTextEditor("/tmp/bericht.txt", launcher, prompts, Search("vim.desktop")));
  EXPECT_TRUE(launcher.calls.empty());
  const auto messages = ui.Of("message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].text.find("Kein Texteditor"), std::string::npos);
  EXPECT_NE(messages[0].text.find("/tmp/bericht.txt"), std::string::npos);

  const fs::path gedit = Program("gedit");
  EXPECT_TRUE(OpenInTextEditor("/tmp/bericht.txt", launcher, prompts, Search("")));
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_EQ(launcher.calls[0].program, gedit.string());
  EXPECT_EQ(launcher.calls[0].arguments, std::vector<std::string>{"/tmp/bericht.txt"});
}

}  // namespace
}  // namespace zt6
