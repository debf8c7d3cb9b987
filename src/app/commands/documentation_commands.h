#pragma once
// The documentation menu's commands: the change-record operations with the change
// list, the drawing information, and opening and setting up the document links.

#include "app/commands/report_output.h"
#include "app/ports/documentation_dialogs.h"
#include "app/ports/launcher.h"
#include "app/ports/prompts.h"
#include "app/ports/text_editor.h"
#include "app/state/program.h"

namespace zt6 {

enum class ChangeOperation {
  New = 1,
  EditLast = 2,
  DeleteLast = 3,
  Show = 4,
  Print = 5,
  DrawingInformation = 6,
};

// The change list through the report writer: device 1 (the screen) without a page
// header, device 0 (the report device of the settings) with one. Stops when the
// cancel flag is set as it starts, so a cancelled dialog before it shows no list.
void ChangeListReport(ReportOutput& output, Program& program, Prompts& prompts, int device);

// Operations 1..6 of the documentation menu; delete last asks first, naming the record.
// An operation that changed the records
// (a new one, even with its dialog cancelled; an edit or the drawing information
// confirmed; a record deleted) sets the modified flag, so closing asks to save them.
void ChangeRecordOperation(ChangeOperation operation, ReportOutput& output, Program& program,
                           Prompts& prompts, DocumentationDialogs& dialogs);

// True when the program of a link stands for the desktop's default program: empty,
// or the Windows text editor a link starts with.
bool IsDefaultDocumentProgram(const std::string& program);

// Opens document link k (1..5): a default program opens the file with the desktop's
// default program for it (an empty file starts the text editor, when one is found);
// any other program is started with the file as its one argument, without a shell.
// False when the program cannot be started (OpenDocumentCommand says so).
bool OpenDocument(const DocumentLink& link, Launcher& launcher,
                  const TextEditorSearch& search = TextEditorSearchOfEnvironment());

// Dokument k (1..5) of the menu: opens the link; when it cannot be started, an error
// box names the link, its program and its file.
void OpenDocumentCommand(int k, const Program& program, Launcher& launcher, Prompts& prompts);

// The document setup window; sets the modified flag after OK.
void DocumentSetupCommand(Program& program, DocumentationDialogs& dialogs);

}  // namespace zt6
