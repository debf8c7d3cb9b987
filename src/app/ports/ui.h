#pragma once
// The Ui port: everything that would open a window. The core never opens one
// itself; the desktop program, the batch runs and the tests each supply an
// implementation. Every text crossing this port is UTF-8 (already converted from
// the DOS code page by the caller); typed texts come back as UTF-8.

#include <optional>
#include <string>
#include <vector>

namespace zt6 {

class CurrentTable;

enum class Answer { Yes, No, Cancel };

// How the table pick window was left: with a chosen row, cancelled, or with the
// Escape key (which callers treat as cancelling the whole command).
enum class PickResult { Chosen, Cancelled, Escaped };

// Pick-window modes: browse and edit the table, or choose a row (navigation only,
// deleted rows hidden).
enum class PickMode { Browse = 0, Choose = 1 };

// What the message window returns: closed with OK or cancelled (ESC), and the edited
// cause and remedy when the user changed them and confirmed "Save Changes ?".
struct MessageWindowResult {
  bool cancelled = false;
  std::optional<std::string> editedCause;
  std::optional<std::string> editedRemedy;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A message box with a caption ("Meldung:", "Fehler : ", the program title …) and OK.
  virtual void MessageBox(const std::string& caption, const std::string& text) = 0;
  // Yes/No/Cancel question with question icon; caption is the program title.
  virtual Answer AskYesNoCancel(const std::string& caption, const std::string& question) = 0;
  // "Eingabe" dialog with "&Ja"/"&Nein"; nullopt = cancelled.
  virtual std::optional<bool> AskYesNo(const std::string& prompt, bool current) = 0;
  // Choice among items (radio dialog up to 7 items, list dialog above); current and
  // result are 1-based; nullopt = cancelled.
  virtual std::optional<int> AskChoice(const std::string& prompt,
                                       const std::vector<std::string>& items, int current) = 0;
  // Text entry limited to maxLength characters; nullopt = cancelled.
  virtual std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                             int maxLength, const std::string& current) = 0;
  // Directory selection; nullopt = cancelled.
  virtual std::optional<std::string> ChooseDirectory(const std::string& current) = 0;
  // Open-file dialog in a directory with a filter pattern ("*.zt6"); full path or nullopt.
  virtual std::optional<std::string> ChooseFileToRead(const std::string& directory,
                                                      const std::string& pattern) = 0;
  // Save-file dialog proposing a name; full path or nullopt.
  virtual std::optional<std::string> ChooseFileToWrite(const std::string& directory,
                                                       const std::string& pattern,
                                                       const std::string& proposal) = 0;
  // The text-screen window ("ZT6", fixed font, OK closes).
  virtual void ShowTextScreen(const std::vector<std::string>& lines) = 0;
  // The message window ("Fehlermeldung") with message, cause and remedy.
  virtual MessageWindowResult ShowMessageWindow(const std::string& message,
                                                             const std::string& cause,
                                                             const std::string& remedy) = 0;
  // The table pick window on the open current table, titled `title`. It opens on the
  // current record and leaves the table on the row it was closed on.
  virtual PickResult PickRow(const std::string& title, CurrentTable& table, PickMode mode) = 0;
  // The report text window showing a text file in Windows-1252 (the Windows copy of
  // a report).
  virtual void ShowTextFile(const std::string& path) = 0;
  // The plot program settings window opened on a command line; the line it leaves
  // (the given one while nothing was changed), or nullopt = cancelled.
  virtual std::optional<std::string> EditPlotCommandLine(const std::string& line) = 0;
  // A message box with OK and Cancel (ESC), for texts a user may leave a sequence at;
  // false when cancelled. A Ui without such a box shows the plain one and takes OK.
  virtual bool ConfirmMessage(const std::string& caption, const std::string& text) {
    MessageBox(caption, text);
    return true;
  }
  virtual void Beep() = 0;
  virtual void SetWaitCursor(bool on) = 0;
};

}  // namespace zt6
