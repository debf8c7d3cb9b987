#include "app/ports/prompts.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/ports/scripted_ui.h"
#include "app/ports/write_problem.h"
#include "base/codepage.h"
#include "base/number_format.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

class PromptsTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  ShellState shell;
  FormatSettings format;
  Prompts prompts{ui, shell, format};

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : ui.Of("message")) texts.push_back(p.caption + p.text);
    return texts;
  }
};

// --- boxes ---------------------------------------------------------------

TEST_F(PromptsTest, BoxesCarryCaptionsAndConvertTheDosText) {
  prompts.ShowMessage(Oem("Lösche"));
  prompts.ShowErrorAlways(Oem("Größe"));
  prompts.ShowMessageWithCaption(Oem("Übersicht"), "x");
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"Meldung:Lösche", "Fehler : Größe", "Übersichtx"}));
}

TEST_F(PromptsTest, ErrorBoxesDroppedWhileBoxesDisabledButAlwaysShown) {
  shell.messageBoxesEnabled = false;
  prompts.ShowError("dropped");
  prompts.ShowErrorAlways("shown");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Fehler : shown"});
  shell.messageBoxesEnabled = true;
  prompts.ShowError("now shown");
  EXPECT_EQ(ui.Of("message").size(), 2u);
}

// --- questions -----------------------------------------------------------

TEST_F(PromptsTest, YesNoCancelGivesTrueOnlyForYesAndCancelSetsTheFlag) {
  struct Case {
    ScriptedAnswer::Kind answer;
    bool result;
    bool cancel;
  };
  for (const Case c : {Case{ScriptedAnswer::Kind::Yes, true, false},
                       Case{ScriptedAnswer::Kind::No, false, false},
                       Case{ScriptedAnswer::Kind::Cancel, false, true}}) {
    shell.cancel = false;
    ui.Queue(c.answer);
    EXPECT_EQ(prompts.AskYesNoCancel(Oem("Änderungen speichern ?")), c.result);
    EXPECT_EQ(shell.cancel, c.cancel);
  }
  ASSERT_EQ(ui.Of("yesnocancel").size(), 3u);
  EXPECT_EQ(ui.Of("yesnocancel")[0].caption, "ZT6");
  EXPECT_EQ(ui.Of("yesnocancel")[0].text, "Änderungen speichern ?");
}

TEST_F(PromptsTest, YesNoPreselectsNeinForEitherCaseAndCancelKeepsTheAnswer) {
  ui.QueueYes();
  EXPECT_EQ(prompts.AskYesNo("p", 'n'), 'J');
  EXPECT_EQ(ui.Of("yesno").back().current, 0);
  EXPECT_FALSE(shell.cancel);

  ui.QueueCancel();
  EXPECT_EQ(prompts.AskYesNo("p", 'N'), 'N');
  EXPECT_TRUE(shell.cancel);

  shell.cancel = false;
  ui.QueueNo();
  EXPECT_EQ(prompts.AskYesNo("p", 'J'), 'N');
  EXPECT_EQ(ui.Of("yesno").back().current, 1);
}

TEST_F(PromptsTest, ChoiceStartsAtOneWhenCurrentIsZeroOrAboveN) {
  const std::vector<std::string> items{Oem("Stahl"), Oem("Gußeisen"), "Alu"};
  for (int current : {0, 4, -2}) {
    ui.QueueOk();
    EXPECT_EQ(prompts.AskChoice("Werkstoff", items, current), 1) << current;
    EXPECT_EQ(ui.Of("choice").back().current, 1);
  }
  EXPECT_EQ(ui.Of("choice").back().items[1], "Gußeisen");

  ui.QueueChoice(3);
  EXPECT_EQ(prompts.AskChoice("Werkstoff", items, 2), 3);
  EXPECT_FALSE(shell.cancel);

  ui.QueueCancel();
  EXPECT_EQ(prompts.AskChoice("Werkstoff", items, 7), 1);
  EXPECT_TRUE(shell.cancel);
}

// --- text ------------------------------------------------------------------

TEST_F(PromptsTest, TypedTextIsCutAndConvertedBack) {
  ui.QueueText("Müller-Lüdenscheidt");
  EXPECT_EQ(prompts.AskText(Oem("Prüfer"), 6, "x"), Oem("Müller"));
  const RecordedPrompt p = ui.Of("text").back();
  EXPECT_EQ(p.caption, "Eingabe");
  EXPECT_EQ(p.text, "Prüfer");
  EXPECT_EQ(p.current, 6);
}

TEST_F(PromptsTest, UntouchedTextComesBackExactlyEvenWhenShownTransliterated) {
  format.asciiSpecial = true;
  const std::string current = Oem("Müller");
  ui.QueueOk();
  EXPECT_EQ(prompts.AskText("Name", 20, current), current);
}

TEST_F(PromptsTest, CancelledTextKeepsTheCurrentText) {
  ui.QueueCancel();
  EXPECT_EQ(prompts.AskText("Name", 20, "alt"), "alt");
  EXPECT_TRUE(shell.cancel);
}

// --- whole numbers ------------------------------------------------------------

TEST_F(PromptsTest, WholeNumberBoundsGivenHighLowActAsLowHigh) {
  ui.QueueText("11");
  ui.QueueText("10");
  EXPECT_EQ(prompts.AskWholeNumber("z", 5, 10, 1), 10);
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"Fehler : Gültiger Wertebereich: 1 .. 10 !"});
}

TEST_F(PromptsTest, WholeNumberRefusesTextAndAsksAgainFromTheOldValue) {
  ui.QueueText("abc");
  ui.QueueText("0");
  ui.QueueText("7");
  EXPECT_EQ(prompts.AskWholeNumber("z", 3, 1, 10), 7);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Fehler : Ungültige Eingabe \"abc\" !",
                                                      "Fehler : Gültiger Wertebereich: 1 .. 10 !"}));
  EXPECT_EQ(ui.Of("beep").size(), 2u);
  for (const RecordedPrompt& p : ui.Of("text")) {
    EXPECT_EQ(p.items.at(0), "3");
    EXPECT_EQ(p.current, 12);
  }
  EXPECT_FALSE(shell.cancel);
}

TEST_F(PromptsTest, WholeNumberCancelKeepsTheOldValueAndSetsTheFlag) {
  ui.QueueText("abc");
  ui.QueueCancel();
  EXPECT_EQ(prompts.AskWholeNumber("z", 3, 1, 10), 3);
  EXPECT_TRUE(shell.cancel);
}

TEST_F(PromptsTest, RefusedNumberWithoutMessageBoxesEndsAsCancelInsteadOfLooping) {
  shell.messageBoxesEnabled = false;
  ui.QueueText("99");
  ui.QueueText("5");
  EXPECT_EQ(prompts.AskWholeNumber("z", 3, 1, 10), 3);
  EXPECT_TRUE(shell.cancel);
  EXPECT_EQ(ui.PendingAnswers(), 1u);
  EXPECT_TRUE(ui.Of("message").empty());
}

// --- real numbers -------------------------------------------------------------

TEST_F(PromptsTest, RealNumberReadsTheCommaAsDecimalPoint) {
  ui.QueueText("3,5");
  EXPECT_EQ(prompts.AskRealNumber("x", 1.0, 0.0, 10.0), 3.5);
  const RecordedPrompt p = ui.Of("text").back();
  EXPECT_EQ(p.items.at(0), FormatSignificant(1.0, format));
  EXPECT_EQ(p.current, 30);
}

TEST_F(PromptsTest, UnchangedRealKeepsTheExactValueNotTheThreeDigitText) {
  const double current = 3.14159265;
  ASSERT_NE(FormatSignificant(current, format), "3.14159265");
  ui.QueueOk();
  EXPECT_EQ(prompts.AskRealNumber("x", current, 0.0, 10.0), current);
  ui.QueueText(FormatSignificant(current, format));
  EXPECT_EQ(prompts.AskRealNumber("x", current, 0.0, 10.0), current);
}

TEST_F(PromptsTest, RealNumberRangeMessageUsesTheFormatAndSwappedBounds) {
  ui.QueueText("12");
  ui.QueueText("x1");
  ui.QueueText("2");
  EXPECT_EQ(prompts.AskRealNumber("x", 1.0, 10.0, 0.5), 2.0);
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"Fehler : Gültiger Wertebereich: " +
                                          FormatSignificant(0.5, format) + " .. " +
                                          FormatSignificant(10.0, format) + " !",
                                      "Fehler : Ungültige Eingabe \"x1\" !"}));
}

TEST_F(PromptsTest, RealNumberCancelKeepsTheOldValue) {
  ui.QueueText("99");
  ui.QueueCancel();
  EXPECT_EQ(prompts.AskRealNumber("x", 1.2345, 0.0, 10.0), 1.2345);
  EXPECT_TRUE(shell.cancel);
}

// --- file checks --------------------------------------------------------------

class FileCheckTest : public PromptsTest {
 protected:
  zt6::test_support::TempDir temp{"zt6_prompts"};
  const fs::path dir = temp.path();


  std::string Write(const std::string& name, const std::string& contents) {
    const fs::path p = dir / name;
    std::ofstream(p, std::ios::binary) << contents;
    return p.string();
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

TEST_F(FileCheckTest, ExistingFileAsksBeforeOverwritingAndIsLeftIntact) {
  const std::string path = Write("projekt.zt6", "keep me\n");
  ui.QueueYes();
  prompts.CheckFileForWriting(path);
  EXPECT_FALSE(shell.cancel);
  EXPECT_EQ(shell.helpNumber, 3055);
  ASSERT_EQ(ui.Of("yesnocancel").size(), 1u);
  EXPECT_EQ(ui.Of("yesnocancel")[0].text, path + " existiert bereits.   überschreiben ?");
  EXPECT_EQ(Read(path), "keep me\n");
}

TEST_F(FileCheckTest, AnythingButYesToTheOverwriteQuestionCancels) {
  const std::string path = Write("projekt.zt6", "keep me\n");
  for (auto answer : {ScriptedAnswer::Kind::No, ScriptedAnswer::Kind::Cancel}) {
    shell.cancel = false;
    ui.Queue(answer);
    prompts.CheckFileForWriting(path);
    EXPECT_TRUE(shell.cancel);
  }
  EXPECT_TRUE(ui.Of("message").empty());
  EXPECT_EQ(Read(path), "keep me\n");
}

TEST_F(FileCheckTest, NoOverwriteQuestionForAktuellOrWhenSwitchedOff) {
  const std::string aktuell = Write("aktuell.zt6", "a");
  prompts.CheckFileForWriting(aktuell);
  shell.overwriteQuestion = false;
  const std::string other = Write("other.zt6", "b");
  prompts.CheckFileForWriting(other);
  EXPECT_TRUE(ui.Of("yesnocancel").empty());
  EXPECT_FALSE(shell.cancel);
  EXPECT_EQ(Read(aktuell), "a");
  EXPECT_EQ(Read(other), "b");
}

TEST_F(FileCheckTest, NewNameIsTriedAndLeavesNoFileBehind) {
  const std::string path = (dir / "neu.txt").string();
  prompts.CheckFileForWriting(path);
  EXPECT_FALSE(shell.cancel);
  EXPECT_TRUE(ui.recorded.empty());
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(FileCheckTest, UnwritableNamesGiveInvalidFileName) {
  for (const std::string& path : {dir.string(), std::string()}) {
    ui.recorded.clear();
    shell.cancel = false;
    prompts.CheckFileForWriting(path);
    EXPECT_TRUE(shell.cancel) << path;
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"Fehler : Ungültiger Dateiname \"" + path + "\" !"});
  }
}

// A missing folder is no fault of the name: the message names the folder and why.
TEST_F(FileCheckTest, AMissingFolderIsNamed) {
  const fs::path folder = dir / "fehlt";
  const std::string path = (folder / "neu.txt").string();
  prompts.CheckFileForWriting(path);
  EXPECT_TRUE(shell.cancel);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Fehler : Datei \"" + path +
                                                     "\" kann nicht geschrieben werden: Ordner " +
                                                     folder.string() + " fehlt !"});
}

TEST(WriteProblem, NamesTheFolderAndTheReasonTheSystemGave) {
  for (const auto& [error, text] :
       {std::pair{ENOENT, "Ordner /daten/projekte fehlt"},
        {ENOTDIR, "Ordner /daten/projekte fehlt"},
        {EACCES, "keine Schreibberechtigung im Ordner /daten/projekte"},
        {EPERM, "keine Schreibberechtigung im Ordner /daten/projekte"},
        {EROFS, "Ordner /daten/projekte ist schreibgeschützt"},
        {ENOSPC, "kein Platz mehr im Ordner /daten/projekte (Datenträger voll)"},
        {EDQUOT, "kein Platz mehr im Ordner /daten/projekte (Datenträger voll)"},
        {EISDIR, "an ihrer Stelle steht ein Ordner"},
        {EFBIG, "Datei zu groß (Grenze der Dateigröße)"},
        {ENAMETOOLONG, ""}}) {
    EXPECT_EQ(Cp850ToUtf8(WriteProblem("/daten/projekte/welle.zt6", error)), text) << error;
  }
}

TEST_F(FileCheckTest, ReadingCheck) {
  prompts.CheckFileForReading(Write("da.txt", "x"));
  EXPECT_FALSE(shell.cancel);
  EXPECT_TRUE(ui.recorded.empty());

  for (const std::string& path : {(dir / "fehlt.txt").string(), dir.string()}) {
    ui.recorded.clear();
    shell.cancel = false;
    prompts.CheckFileForReading(path);
    EXPECT_TRUE(shell.cancel) << path;
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Fehler : Datei " + path +
                                                       " nicht gefunden oder kein Zugriffsrecht !"});
  }
}

TEST_F(PromptsTest, FileErrorsShowTheirTextAndCancel) {
  const std::pair<FileError, const char*> cases[] = {
      {FileError::ReadLine, "Lesefehler"},
      {FileError::DiskFull, "Diskette/Platte voll"},
      {FileError::NumberFormat, "Falsches numerisches Format"},
      {FileError::WriteLine, "Fehler bei Zugriff auf Diskette/Platte"},
      {FileError::Close, "Fehler beim Schließen einer Datei"},
      {FileError::Create, "file write error"},
  };
  for (const auto& [error, text] : cases) {
    ui.recorded.clear();
    shell.cancel = false;
    prompts.ReportFileError(error);
    EXPECT_TRUE(shell.cancel);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string("Fehler : ") + text});
  }
}

}  // namespace
}  // namespace zt6
