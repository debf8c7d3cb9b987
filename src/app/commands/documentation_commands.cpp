#include "app/commands/documentation_commands.h"

#include <algorithm>
#include <cctype>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/program_identity.h"
#include "report/change_list.h"

namespace zt6 {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

void ChangeListReport(ReportOutput& output, Program& program, Prompts& prompts, int device) {
  ShellState& shell = prompts.shell();
  if (shell.cancel) return;
  program.report.SetHeader(
      ChangeListHeader(ProgramTitleLine(program.words["Kerbverzahnung"]), kProgramVersion,
                       program.design.drawing.infoLines, program.words),
      0);
  program.report.SetWords(program.words);
  output.Open(device, program.projectName.empty() ? "" : program.projectName + ".TXT");
  if (shell.cancel) return;
  if (program.report.Device() != 1 && !output.FirstPageHeader(0)) {
    output.Abandon();
    return;
  }
  WriteChangeList(program.report, program.docs, program.config.changeIndexStyle, program.words);
  output.Close();
}

void ChangeRecordOperation(ChangeOperation operation, ReportOutput& output, Program& program,
                           Prompts& prompts, DocumentationDialogs& dialogs) {
  DocumentationData& docs = program.docs;
  // A flag left by an earlier command must not hide the list; the dialog's own Cancel
  // below does.
  prompts.shell().cancel = false;
  switch (operation) {
    case ChangeOperation::New:
      if (!AddChangeRecord(docs, TodayText(program.config.format.dateCode))) {
        prompts.ShowError(Oem("Max. Änderungen = ") + std::to_string(kMaxChangeRecords) + " !");
        return;
      }
      // Counted even when its dialog is cancelled, so the project has changed.
      program.modified = true;
      dialogs.ChangeRecord(static_cast<int>(docs.changeCount));
      ChangeListReport(output, program, prompts, 1);
      return;
    case ChangeOperation::EditLast:
      if (docs.changeCount == 0) return;
      if (dialogs.ChangeRecord(static_cast<int>(docs.changeCount))) program.modified = true;
      ChangeListReport(output, program, prompts, 1);
      return;
    case ChangeOperation::DeleteLast:
      if (docs.changeCount > 0) {
        const AendRecord& last = docs.changes[docs.changeCount - 1];
        const std::string question =
            Oem("Änderung ") + ChangeListIndex(docs.changeCount, program.config.changeIndexStyle) +
            " \"" + std::string(TrimBlanks(last.changeText)) + "\" " + Oem("vom ") + last.date +
            Oem(" löschen ?");
        // No or Cancel keep the record; nothing follows then.
        if (!prompts.AskYesNoCancel(question)) return;
        program.modified = true;
      }
      DeleteLastChangeRecord(docs);
      ChangeListReport(output, program, prompts, 1);
      return;
    case ChangeOperation::Show:
      ChangeListReport(output, program, prompts, 1);
      return;
    case ChangeOperation::Print:
      ChangeListReport(output, program, prompts, 0);
      return;
    case ChangeOperation::DrawingInformation:
      if (dialogs.DrawingInformation()) program.modified = true;
      return;
  }
}

bool IsDefaultDocumentProgram(const std::string& program) {
  // Links written on Windows name the program with backslashes.
  const std::string_view path = TrimBlanks(program);
  const std::size_t slash = path.find_last_of("/\\");
  const std::string name =
      Lower(std::string(slash == std::string_view::npos ? path : path.substr(slash + 1)));
  return name.empty() || name == "notepad.exe" || name == "notepad";
}

bool OpenDocument(const DocumentLink& link, Launcher& launcher, const TextEditorSearch& search) {
  const std::string program(TrimBlanks(link.program));
  const std::string file(TrimBlanks(link.file));
  if (IsDefaultDocumentProgram(program)) {
    if (!file.empty()) return launcher.Open(file);
    const std::optional<std::string> editor = FindTextEditor(search);
    return editor && launcher.Start(*editor, {});
  }
  if (file.empty()) return launcher.Start(program, {});
  return launcher.Start(program, {file});
}

void OpenDocumentCommand(int k, const Program& program, Launcher& launcher, Prompts& prompts) {
  if (k < 1 || k > static_cast<int>(kDocumentLinks)) return;
  const DocumentLink& link = program.docs.documents[static_cast<std::size_t>(k - 1)];
  if (OpenDocument(link, launcher)) return;
  const std::string programText(TrimBlanks(link.program));
  const std::string file(TrimBlanks(link.file));
  prompts.ShowErrorAlways(
      Oem("Dokument " + std::to_string(k) + " kann nicht geöffnet werden.\r\nProgramm: ") +
      (IsDefaultDocumentProgram(programText)
           ? Utf8ToCp850(programText) + Oem(" (Standardprogramm des Desktops)")
           : Utf8ToCp850(programText)) +
      "\r\nDatei: " + (file.empty() ? std::string("(keine)") : Utf8ToCp850(file)));
}

void DocumentSetupCommand(Program& program, DocumentationDialogs& dialogs) {
  if (dialogs.DocumentSetup()) program.modified = true;
}

}  // namespace zt6
