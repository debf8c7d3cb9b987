#pragma once
// The commands of the main window's menu that change the project: New, Open, the
// recent entries, Save, Save As, the input commands, the language switch and the close
// query, with the save query before each. The window calls these and then refreshes
// what they report; they never touch a widget.

#include <functional>
#include <optional>
#include <string>

#include "app/commands/menu_captions.h"
#include "app/ports/input_dialogs.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "app/state/project_snapshot.h"
#include "cad/cad_ports.h"
#include "calc/standard_tables.h"

namespace zt6 {

// The drawing kind the after-calculation refresh shows for the result-graphic setting.
int ResultGraphicKind(int setting);

class MainCommands {
 public:
  // screenPorts serve the drawings shown on the screen after a calculation.
  MainCommands(Program& program, Prompts& prompts, StandardTables& tables,
               InputDialogs& dialogs, CadPorts& screenPorts);

  // True when the caller may go on (saved, discarded or nothing to save). Starts with
  // the cancel flag cleared; a false answer leaves it set.
  bool SaveQuery();

  void New();
  void Open();
  void OpenRecent(int entry);  // 1..4
  void Save();
  void SaveAs();
  void EditText();
  void EditDimensions();
  void EditMaterial();
  void EditLoad();
  // Loads caption groups and report vocabulary of language n and remembers n.
  void SetLanguage(int n);
  // True when the window may close; then the temporary drawing files are deleted.
  bool CloseQuery();
  // A file chosen in the project table (Open (Table)), by the name Read takes for it
  // (ProjectNameOfListedFile); the caller has asked the save query. The recent list is
  // left as it is.
  // True when read; otherwise the open project stays, with its name.
  bool OpenFromProjectTable(const std::string& name);

  // A command-line file that ends early was left unread at start-up; the window asks
  // whether to take it all the same. True when it was taken.
  bool OpenCutCommandLineProject();

  // Before the demonstration: the save query, then the open project is put aside and
  // the demonstration gets a design and documentation of its own, with no project
  // name, so no save can write its values into the user's file. False when cancelled.
  bool BeginDemonstration();
  // After it: the project as it was before the demonstration (unsaved changes the user
  // chose to discard stay discarded), recalculated and drawn.
  void EndDemonstration();

  // One calculation run on the design record.
  void Calculate();
  // Draws the result graphic of the configuration on the screen (the drawing stream).
  void AfterCalculationRefresh();

  // UTF-8 texts for the window.
  std::string Title() const;
  // "&Fehlermeldungen (n)" in the current language; enabled while n > 0.
  std::string MessageItemCaption() const;
  bool MessageItemEnabled() const;
  // Caption "&k " + shortened path of recent entry k (1..4); empty = item hidden.
  std::string RecentItemCaption(int entry) const;
  // The separator before Exit shows while the recent list has an entry.
  bool RecentSeparatorVisible() const;

  const MenuCaptions& Captions() const { return captions_; }

  // Called when a command changed the title or cleared the drawing before its dialogs
  // (New), so the window shows that while the dialogs are open.
  std::function<void()> onProjectCleared;

 private:
  Program& program_;
  Prompts& prompts_;
  StandardTables& tables_;
  InputDialogs& dialogs_;
  CadPorts& screenPorts_;
  MenuCaptions captions_;
  // Taken once from the report words at creation; later language switches keep it.
  std::string programTitle_;

  // The current project's full file name.
  std::string ProjectPath() const;
  // Reads the file, then the common steps of Open, a recent entry and the project
  // table. True when read.
  bool ReadAndTake(const std::string& name, bool remember = true);
  // The start of a new design: the template of the project directory if there is one,
  // else the design record's and documentation's defaults; no project name.
  void StartFromDefaults();
  void RunSummaryDialog();

  // Set by the save query when it wrote the project.
  bool savedByQuery_ = false;
  std::optional<ProjectSnapshot> putAside_;  // the project during the demonstration
};

}  // namespace zt6
