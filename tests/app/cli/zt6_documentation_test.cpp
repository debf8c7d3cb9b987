// Documentation records from the windows' forms to the project file, back through
// zt6: the change list in every report form, and the manufacturing drawing read back
// from its DXF file by an independent reader.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/files/project_file.h"
#include "app/forms/change_form.h"
#include "app/forms/drawing_info_form.h"
#include "base/codepage.h"
#include "base/safe_file.h"
#include "support/designs.h"
#include "support/dxf_audit.h"
#include "support/file_bytes.h"
#include "support/flat_json.h"
#include "support/required_reader.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::FileBytes;
using test_support::RunZt6Command;

// Three change records, sign-off rows, a replacement and a free text, typed as the
// windows take them.
fs::path WriteDocumentedProject(const fs::path& folder) {
  DesignRecord design = test_support::SelfDefined12x14();
  DocumentationData docs = InitialDocumentation("01.02.2026");
  bool cancel = false;
  const char* changes[][3] = {{"Welle gekürzt", "mü", "l von 20 auf 18\nwegen Bauraum"},
                              {"Härte geändert", "ab", "58 HRC"},
                              {"Fase ergänzt", "cd", ""}};
  for (const auto& change : changes) {
    AddChangeRecord(docs, "03.02.2026");
    ChangeForm form(docs.changes[docs.changeCount - 1], cancel);
    form.Fill();
    form.fields["Edit_aenderung"] = change[0];
    form.fields["Edit_bearbeiter"] = change[1];
    form.fields["Memo_beschreibung"] = change[2];
    form.Accept();
  }
  DrawingInfoForm info(docs, FormatSettings{}, cancel);
  info.Fill();
  info.replacementFor = "W-100";
  info.signOff[0][1] = "Jürgen";
  info.signOff[1] = {"04.02.2026", "Schäfer"};
  info.freeTexts[0] = {"100", "150", "3,5", "0", "Härte 58 HRC"};
  info.Accept();

  const fs::path file = folder / "welle.zt6";
  EXPECT_TRUE(WriteFileSafely(file, ProjectFileText(design, docs, FormatSettings{})).ok);
  return file;
}

TEST(Zt6Documentation, TheProjectFileHoldsTheDescriptionOnOneLine) {
  test_support::TempDir dir("zt6_docs_file");
  const std::string text = Cp850ToUtf8(FileBytes(WriteDocumentedProject(dir.path())));
  EXPECT_NE(text.find("\r\nl von 20 auf 18|wegen Bauraum\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nWelle gekürzt\r\n"), std::string::npos);
}

TEST(Zt6Documentation, TheChangeListInEveryFormOfZt6Report) {
  test_support::TempDir dir("zt6_docs_report");
  const fs::path project = WriteDocumentedProject(dir.path());
  const auto text = RunZt6Command({"report", project.string(), "--changes"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  for (const char* line : {"Änderungsprotokoll", "Erstellungsdatum: 01.02.2026     Erstellt von: Jürgen",
                           "Ersatz für: W-100", "  a     03.02.2026   mü       Welle gekürzt",
                           "\r\n        l von 20 auf 18\r\n        wegen Bauraum\r\n",
                           "  c     03.02.2026   cd       Fase ergänzt"}) {
    EXPECT_NE(text.out.find(line), std::string::npos) << line << "\n" << text.out;
  }
  const auto html = RunZt6Command({"report", project.string(), "--changes", "--format", "html"});
  ASSERT_EQ(html.exitCode, 0);
  EXPECT_NE(html.out.find(Utf8ToCp1252("Härte geändert")), std::string::npos);
  // An independent HTML parser finds the page well formed and its code page declared.
  const fs::path page = dir.path() / "changes.htm";
  std::ofstream(page, std::ios::binary) << html.out;
  const fs::path checked = dir.path() / "structure.json";
  const std::string script = std::string(ZT6_DATA_DIR) + "/../tests/app/html_structure.py";
  ASSERT_EQ(std::system(("/usr/bin/python3 '" + script + "' '" + page.string() + "' > '" +
                         checked.string() + "'")
                            .c_str()),
            0);
  const auto structure = test_support::FlatJsonReader::Read(FileBytes(checked));
  ASSERT_TRUE(structure.has_value());
  EXPECT_EQ(structure->at("problems").text, "0");
  EXPECT_EQ(structure->at("charset").text, "windows-1252");
  const auto tsv = RunZt6Command({"report", project.string(), "--changes", "--format", "tsv"});
  ASSERT_EQ(tsv.exitCode, 0);
  EXPECT_NE(tsv.out.find("Fase ergänzt"), std::string::npos);
  // Without a project file there is nothing to list.
  EXPECT_EQ(RunZt6Command({"report", "--changes", "--size", "12x14"}).exitCode, 2);
}

TEST(Zt6Documentation, ManufacturingDrawingShowsTheRecordsReadBackFromDxf) {
  ZT6_REQUIRE_EZDXF();
  test_support::TempDir dir("zt6_docs_dxf");
  const fs::path project = WriteDocumentedProject(dir.path());
  const fs::path dxf = dir.path() / "welle6.dxf";
  const auto drawn = RunZt6Command(
      {"cad", project.string(), "--drawing", "6", "--format", "dxf", "-o", dxf.string()});
  ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
  const std::string script = std::string(ZT6_DATA_DIR) + "/../tests/cad/dxf_texts.py";
  const fs::path listed = dir.path() / "texts.txt";
  ASSERT_EQ(std::system(("/usr/bin/python3 '" + script + "' '" + dxf.string() + "' > '" +
                         listed.string() + "'")
                            .c_str()),
            0);
  const std::string texts = "\n" + FileBytes(listed);
  for (const char* text : {"\nWelle gekürzt\n", "\nHärte geändert\n", "\nFase ergänzt\n",
                           "\nc\n", "\nmü\n", "\nJürgen\n", "\nSchäfer\n", "\n04.02.2026\n",
                           "\nErsatz für W-100\n", "\nHärte 58 HRC\n"}) {
    EXPECT_NE(texts.find(text), std::string::npos) << text << " not in:" << texts;
  }
}

}  // namespace
}  // namespace zt6
