#pragma once
// The shared prompts with the program's conventions: texts held in the DOS code page
// are converted for display, typed texts are converted back, Cancel sets the cancel
// flag, error boxes honour the message-box switch, number prompts keep their bounds.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ports/ui.h"
#include "app/state/shell_state.h"
#include "base/format_settings.h"
#include "report/vocabulary.h"

namespace zt6 {

enum class FileError {
  ReadLine,     // error 100: "Lesefehler"
  DiskFull,     // error 101: "Diskette/Platte voll"
  NumberFormat, // error 106: "Falsches numerisches Format"
  WriteLine,    // other error while writing: "Fehler bei Zugriff auf Diskette/Platte"
  Close,        // other error while closing: "Fehler beim Schließen einer Datei"
  Create,       // other error while creating: "file write error"
};

class Prompts {
 public:
  Prompts(Ui& ui, ShellState& shell, const FormatSettings& format);

  Ui& ui() { return ui_; }
  ShellState& shell() { return shell_; }
  const FormatSettings& format() const { return format_; }
  // The words of the prompts' own texts (captions, input and file checks): German until
  // the program's words are given, which then follow every language switch.
  void UseWords(const Vocabulary& words) { words_ = &words; }

  // All texts below are in the DOS code page (CP850) unless noted.
  void ShowMessage(std::string_view text);                 // caption "Meldung:"
  void ShowError(std::string_view text);                   // caption "Fehler : ", only while enabled
  void ShowErrorAlways(std::string_view text);             // caption "Fehler : ", always
  void ShowMessageWithCaption(std::string_view caption, std::string_view text);
  // True for Yes; No and Cancel give false, Cancel also sets the cancel flag.
  bool AskYesNoCancel(std::string_view question);
  // 'J' or 'N'; Cancel sets the cancel flag and keeps the current answer.
  char AskYesNo(std::string_view prompt, char current);
  // 1..items.size(); the current choice becomes 1 when 0 or above n; Cancel sets the
  // cancel flag and returns the current choice.
  int AskChoice(std::string_view prompt, const std::vector<std::string>& items, int current);
  // Text cut to maxLength; Cancel sets the cancel flag and returns the current text.
  std::string AskText(std::string_view prompt, int maxLength, std::string_view current);
  // Loops until a whole number within a..b (bounds swapped when a > b) or Cancel (old value).
  std::int32_t AskWholeNumber(std::string_view prompt, std::int32_t current, std::int32_t a,
                              std::int32_t b);
  // Loops until a real number within min..max or Cancel (old value).
  double AskRealNumber(std::string_view prompt, double current, double min, double max);

  // File checks: on failure an error is shown and the cancel flag set. Paths are
  // file-system names as the platform spells them (UTF-8 here), not DOS code page;
  // the write check never changes an existing file.
  void CheckFileForWriting(const std::string& path);
  void CheckFileForReading(const std::string& path);
  void ReportFileError(FileError error);
  // A file that could not be written, with the folder and the reason when the
  // system's error number (errno) names one, else with reason (UTF-8, the system's
  // words); without either as ReportFileError(WriteLine).
  void ReportWriteFailure(const std::string& path, int errorNumber, std::string_view reason = {});

 private:
  std::string ToDisplay(std::string_view oem) const;
  // The prompts' own text named by its German text, in the current words (CP850).
  const std::string& W(std::string_view german) const;
  std::string FromDisplay(std::string_view utf8) const;
  // The text dialog without touching the cancel flag; nullopt = cancelled.
  std::optional<std::string> EnterText(std::string_view prompt, int maxLength,
                                       std::string_view current);

  Ui& ui_;
  ShellState& shell_;
  const FormatSettings& format_;
  const Vocabulary* words_;
};

}  // namespace zt6
