#include "app/help/demonstration.h"

#include "app/help/help_files.h"
#include "app/help/language_files.h"
#include "app/lookups/size_lookup.h"
#include "app/lookups/table_access.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "base/codepage.h"
#include "base/safe_file.h"
#include "base/text_lines.h"

namespace zt6 {

namespace {

constexpr std::size_t kMaxControlFileBytes = 1 << 20;
constexpr int kHeaderLines = 2;
constexpr int kLinesPerText = 4;
constexpr int kExampleSizeRow = 4;

void SetMaterial(Material& m, const char* name, int group, int Re, double fS, double fH) {
  m.number.clear();
  m.name = name;
  m.type = group;
  m.Re = Re;
  m.fS = fS;
  m.fH = fH;
}

}  // namespace

const std::vector<std::string>& DemonstrationSequence() {
  static const std::vector<std::string> sequence = {
      "mi_HelpHilfebild",
      "mi_EditText",
      "mi_editabmessungen",
      "mi_EditMaterial",
      "mi_editLast",
      "",  // a text about the results, with no command
      "mi_viewQuick",
      "mi_ViewAusdruck",
      "mi_viewtabelletolwelle",
      "mi_viewfertigungszeichnungnabe",
      "mi_viewPassung",
      "mi_cadprofilwellenabe",
      "mi_fileConfig",
      "",
      "",
  };
  return sequence;
}

std::string DemonstrationText(const std::vector<std::string>& fileLines, int n) {
  const std::size_t line = static_cast<std::size_t>(kHeaderLines + kLinesPerText * (n - 1) + 2);
  if (n < 1 || line >= fileLines.size()) {
    return "Demotext Nr." + std::to_string(n) + " " + "nicht vorhanden" + " !";
  }
  return fileLines[line];
}

bool ShowDemonstrationIntroduction(Prompts& prompts, int textLanguage) {
  const bool ascii = prompts.format().asciiSpecial;
  const bool german = textLanguage == 1;
  const std::string introduction = Oem(
      german
          ? "ZT6DEMO  ist  ein selbstablaufendes Demoprogramm, das Sie mit den Möglichkeiten des "
            "ZT6-Softwarepakets zur Berechnung von Kerbzahnprofilen vertraut machen soll."
          : "ZT6DEMO is a self-running demonstration that acquaints you with what the ZT6 "
            "software for the calculation of serration profiles can do.");
  const std::string keys =
      Oem(german ? "Mit <ENTER> oder einem Mausklick auf das OK-Feld (bei Online-Eingabe auf "
                   "\"Schließen/ESC\") wird weitergeschaltet."
                 : "<ENTER> or a mouse click on the OK button (during an online input on "
                   "\"Close/ESC\") moves on.");
  for (const std::string& text : {introduction, keys}) {
    if (!prompts.ui().ConfirmMessage("ZT6 Demo", OemToDisplay(text, ascii))) return false;
  }
  return true;
}

void LoadExampleDesign(Program& program, TableAccess& access) {
  DesignRecord& d = program.design;
  d.dimensionSource = DimensionSource::Database;
  d.tableRow = kExampleSizeRow;
  RereadSize(access, d);
  d.l = 26;
  SetMaterial(d.material[0], "16MnCr5", 9, 600, 1.2, 1.15);
  SetMaterial(d.material[1], "GG-20", 16, 150, 2.0, 1.0);
  d.TN = 100;
  d.Tmax = 300;
  d.n = 1000;
  d.computedQuantity = ComputedQuantity::Power;
  d.power = d.TN * d.n * 2 * 3.14159265358979323846 / 60000;
  d.KA = 1.75;
  d.Klambda = 1.51;
  d.fW = 1.0;
  d.fL = {1.37, 1.15};
}

Demonstration::Demonstration(Program& program, Prompts& prompts, TableAccess& access,
                             std::function<void(const std::string&)> runMenuItem,
                             std::function<void()> calculate)
    : program_(program), prompts_(prompts), access_(access),
      runMenuItem_(std::move(runMenuItem)), calculate_(std::move(calculate)) {}

bool Demonstration::GoOn() {
  ShellState& shell = program_.shell;
  if (!shell.cancel) return true;
  shell.cancel = false;
  const bool german = TextLanguage(program_.config.menuLanguage) == 1;
  if (prompts_.AskYesNoCancel(german ? "Demomodus beenden ?" : "End the demonstration ?")) {
    shell.demoMode = false;
    shell.cancel = true;
    return false;
  }
  shell.cancel = false;
  return true;
}

bool Demonstration::Step() {
  if (!GoOn()) return false;
  ++step_;
  if (!fileRead_) {
    fileRead_ = true;
    filePath_ = LanguageHelpFilePath(program_.config, kDemonstrationFile);
    const FileContent file = ReadWholeFile(filePath_, kMaxControlFileBytes);
    if (file.ok) file_ = SplitLines(file.bytes);
  }
  std::string text;
  if (file_.empty()) {
    text = "Demosteuerdatei " + Utf8ToCp850(filePath_) + " " + "nicht gefunden" + " !";
  } else {
    text = DemonstrationText(file_, step_);
  }
  if (!prompts_.ui().ConfirmMessage("ZT6 Demo", OemToDisplay(text, prompts_.format().asciiSpecial)))
    program_.shell.cancel = true;
  return GoOn();
}

void Demonstration::Run() {
  ShellState& shell = program_.shell;
  shell.cancel = false;
  shell.demoMode = true;
  LoadExampleDesign(program_, access_);
  calculate_();
  if (!ShowDemonstrationIntroduction(prompts_, TextLanguage(program_.config.menuLanguage)))
    shell.cancel = true;
  for (const std::string& item : DemonstrationSequence()) {
    if (!Step()) return;
    if (!item.empty()) runMenuItem_(item);
  }
  if (!shell.cancel) shell.demoMode = false;
}

}  // namespace zt6
