#pragma once
// The Ui port with real windows: message boxes, the prompt dialogs, file and folder
// dialogs, the text windows and the table pick window.

#include <functional>

#include "app/files/configuration.h"
#include "app/ports/ui.h"
#include "app/state/shell_state.h"

class QWidget;

namespace zt6::gui {

class TableEditorWindow;

class QtUi : public Ui {
 public:
  explicit QtUi(ShellState& shell) : shell_(shell) {}

  // The table editor window owned by the main window, for PickRow: made on first use.
  void SetTableEditor(std::function<TableEditorWindow*()> editor) { editor_ = std::move(editor); }
  // Parent of the windows (the main window once it exists).
  void SetParent(QWidget* parent) { parent_ = parent; }
  // The configured temporary folder, which the plot settings window proposes.
  void SetTemporaryFolder(const std::string* folder) { temporaryFolder_ = folder; }
  // The configuration whose printout font and text window place the report text
  // window uses and whose place it writes back.
  void SetConfiguration(Configuration* config) { config_ = config; }
  // Prints the file the report text window shows.
  void SetTextFilePrinter(std::function<void(const std::string&)> printer) {
    textFilePrinter_ = std::move(printer);
  }
  // Shows a text file in a text editor of the desktop (the report window's Export).
  void SetTextEditorOpener(std::function<void(const std::string&)> opener) {
    textEditorOpener_ = std::move(opener);
  }

  void MessageBox(const std::string& caption, const std::string& text) override;
  Answer AskYesNoCancel(const std::string& caption, const std::string& question) override;
  std::optional<bool> AskYesNo(const std::string& prompt, bool current) override;
  std::optional<int> AskChoice(const std::string& prompt, const std::vector<std::string>& items,
                               int current) override;
  std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                     int maxLength, const std::string& current) override;
  std::optional<std::string> ChooseDirectory(const std::string& current) override;
  std::optional<std::string> ChooseFileToRead(const std::string& directory,
                                              const std::string& pattern) override;
  std::optional<std::string> ChooseFileToWrite(const std::string& directory,
                                               const std::string& pattern,
                                               const std::string& proposal) override;
  void ShowTextScreen(const std::vector<std::string>& lines) override;
  MessageWindowResult ShowMessageWindow(const std::string& message, const std::string& cause,
                                        const std::string& remedy) override;
  PickResult PickRow(const std::string& title, CurrentTable& table, PickMode mode) override;
  void ShowTextFile(const std::string& path) override;
  std::optional<std::string> EditPlotCommandLine(const std::string& line) override;
  bool ConfirmMessage(const std::string& caption, const std::string& text) override;
  void Beep() override;
  void SetWaitCursor(bool on) override;

 private:
  ShellState& shell_;
  std::function<TableEditorWindow*()> editor_;
  QWidget* parent_ = nullptr;
  const std::string* temporaryFolder_ = nullptr;
  Configuration* config_ = nullptr;
  int waitCursors_ = 0;
  std::function<void(const std::string&)> textEditorOpener_;
  std::function<void(const std::string&)> textFilePrinter_;
};

}  // namespace zt6::gui
