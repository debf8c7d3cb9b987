// The documentation windows without their windows: the change dialog, the drawing
// information with its free-text rule, and the document setup.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/forms/change_form.h"
#include "app/forms/document_setup_form.h"
#include "app/forms/drawing_info_form.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"

namespace zt6 {
namespace {

TEST(ChangeForm, StoresCodePage850CutToTheFieldsAndKeepsTheDescriptionWhole) {
  AendRecord record{Oem("Maß"), "01.01.2026", "ab", Oem("erste Zeile\nzweite Zeile")};
  bool cancel = true;
  ChangeForm form(record, cancel);
  form.Fill();
  EXPECT_EQ(form.fields["Edit_aenderung"], "Maß");
  EXPECT_EQ(form.fields["Memo_beschreibung"], "erste Zeile\nzweite Zeile");

  // 254 characters of umlauts and a line break: exactly at the limit.
  const std::string longDescription = std::string(126, 'x') + "\n" + [] {
    std::string s;
    for (int i = 0; i < 127; ++i) s += "ü";
    return s;
  }();
  ASSERT_EQ(ChangeForm::DescriptionLength(longDescription), ChangeForm::kDescriptionLimit);
  form.fields["Edit_aenderung"] = "Änderung mit über zwanzig Zeichen";
  form.fields["Edit_datum"] = "12.12.2026x";
  form.fields["Edit_bearbeiter"] = "Jürgen";
  form.fields["Memo_beschreibung"] = longDescription;
  form.Accept();
  EXPECT_FALSE(cancel);
  EXPECT_EQ(record.changeText, Oem("Änderung mit über zw"));
  EXPECT_EQ(record.date, "12.12.2026");
  EXPECT_EQ(record.editor, Oem("Jürge"));
  EXPECT_EQ(record.description, Oem(longDescription));
  EXPECT_EQ(record.description.size(), 254u);
}

struct FreeTextCase {
  const char* what;
  std::vector<std::string> rowTexts;  // the text column of rows 1..8 ("" = empty)
  std::size_t count;
};

TEST(DrawingInfoForm, FreeTextsAreStoredDownToTheFirstEmptyRow) {
  const std::vector<FreeTextCase> cases{
      {"rows 1, 2 and 4", {"eins", "zwei", "", "vier"}, 2},
      {"all empty: one empty entry", {}, 1},
      {"row 1 empty, row 2 filled", {"", "zwei"}, 2},
      {"a blank row counts as empty", {"eins", "   ", "drei"}, 1},
      {"all eight", {"1", "2", "3", "4", "5", "6", "7", "8"}, 8},
  };
  for (const FreeTextCase& c : cases) {
    SCOPED_TRACE(c.what);
    DocumentationData docs = InitialDocumentation("01.01.2026");
    bool cancel = true;
    DrawingInfoForm form(docs, FormatSettings{}, cancel);
    form.Fill();
    // A text needs its position and height; rows without text may stay empty.
    for (std::size_t row = 0; row < c.rowTexts.size(); ++row)
      form.freeTexts[row] = {"10", "20", "3.5", "0", c.rowTexts[row]};
    EXPECT_TRUE(form.Accept());
    EXPECT_FALSE(cancel);
    EXPECT_EQ(docs.freeTextCount, c.count);
  }
}

TEST(DrawingInfoForm, TextsNumbersAndSignOffRows) {
  DocumentationData docs = InitialDocumentation("01.01.2026");
  docs.freeTextCount = 1;
  docs.freeTexts[0] = {123.456, 10, 3.5, 0, "alt"};
  bool cancel = true;
  DrawingInfoForm form(docs, FormatSettings{}, cancel);
  form.Fill();
  EXPECT_EQ(form.freeTexts[0][0], "123.5");  // shown shortened by the significant-digit form
  EXPECT_EQ(form.signOff[0][0], "01.01.2026");
  form.replacementFor = "Zeichnung Nr. 4711-Ä";
  form.replacedBy = "";
  form.signOff[1] = {"02.01.2026", "Jürgen Groß"};
  form.signOff[3] = {"03.01.2026", "Bäcker"};
  form.freeTexts[0][4] = "Härte 58 HRC";  // numbers of row 1 untouched
  form.freeTexts[1] = {"1,5", "abc", " 2.5", "90", "zweiter Text"};
  // "abc" is no number: refused naming the cell, nothing is stored.
  const std::optional<Refusal> refused = form.Check();
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->message, "Feld Freier Text 2 y: \"abc\" ist keine Zahl.");
  EXPECT_EQ(refused->field, DrawingInfoForm::FreeTextCell(1, 1));
  EXPECT_FALSE(form.Accept());
  EXPECT_TRUE(cancel);
  EXPECT_EQ(docs.freeTextCount, 1u);
  form.freeTexts[1][1] = "-4";  // positions may lie left of or below the origin
  EXPECT_TRUE(form.Accept());
  EXPECT_EQ(docs.replacementFor, Oem("Zeichnung Nr. 4"));
  EXPECT_EQ(docs.signOff[1].name, Oem("Jürgen Gro"));
  EXPECT_EQ(docs.signOff[3].name, Oem("Bäcker"));
  ASSERT_EQ(docs.freeTextCount, 2u);
  // Untouched numbers keep their full precision; typed ones are parsed.
  EXPECT_EQ(docs.freeTexts[0].x, 123.456);
  EXPECT_EQ(docs.freeTexts[0].text, Oem("Härte 58 HRC"));
  EXPECT_EQ(docs.freeTexts[1].x, 1.5);
  EXPECT_EQ(docs.freeTexts[1].y, -4);
  EXPECT_EQ(docs.freeTexts[1].h, 2.5);
  EXPECT_EQ(docs.freeTexts[1].phi, 90);
}

TEST(DocumentSetupForm, ChoosersAndTheFiftyCharacterCut) {
  std::array<DocumentLink, kDocumentLinks> links;
  bool cancel = false;
  DocumentSetupForm form(links, cancel);
  form.Fill();
  EXPECT_EQ(form.fields["Edit_prog1"], "NOTEPAD.EXE");

  ScriptedUi ui;
  ShellState shell;
  FormatSettings format;
  Prompts prompts(ui, shell, format);
  form.fields["Edit_file2"] = "/home/k/alt.pdf";
  ui.QueueCancel();
  form.ChooseFile(2, prompts);
  EXPECT_EQ(form.fields["Edit_file2"], "/home/k/alt.pdf");  // nothing chosen: kept
  EXPECT_TRUE(shell.cancel);
  ASSERT_EQ(ui.Of("fileread").size(), 1u);
  EXPECT_EQ(ui.Of("fileread")[0].text, "/home/k");  // starts where the field points
  ui.QueueText("/usr/bin/okular");
  form.ChooseProgram(2, prompts);
  EXPECT_EQ(form.fields["Edit_prog2"], "/usr/bin/okular");

  const std::string longName = "/home/k/" + std::string(38, 'x') + "äöü.pdf";  // 53 characters
  form.fields["Edit_file3"] = longName;
  form.Accept();
  EXPECT_FALSE(cancel);
  EXPECT_EQ(links[1].program, "/usr/bin/okular");
  EXPECT_EQ(links[1].file, "/home/k/alt.pdf");
  EXPECT_EQ(links[2].file, "/home/k/" + std::string(38, 'x') + "äöü.");
  EXPECT_EQ(CutCharacters("äöü", 2), "äö");
}

}  // namespace
}  // namespace zt6
