#include "app/ports/prompts.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <utility>

#include "app/ports/write_problem.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/number_parse.h"
#include "base/program_identity.h"

namespace zt6 {

namespace {

constexpr int kWholeNumberLength = 12;
constexpr int kRealNumberLength = 30;
constexpr int kOverwriteHelpNumber = 3055;

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// A file name as the file system spells it, in the DOS code page for the messages.
std::string NameForMessage(const std::string& path) { return Utf8ToCp850(path); }

}  // namespace

Prompts::Prompts(Ui& ui, ShellState& shell, const FormatSettings& format)
    : ui_(ui), shell_(shell), format_(format), words_(&GermanWords()) {}

const std::string& Prompts::W(std::string_view german) const { return (*words_)[german]; }

std::string Prompts::ToDisplay(std::string_view oem) const {
  return OemToDisplay(oem, format_.asciiSpecial);
}

std::string Prompts::FromDisplay(std::string_view utf8) const { return DisplayToOem(utf8); }

void Prompts::ShowMessage(std::string_view text) {
  ui_.MessageBox(ToDisplay(W("Meldung:")), ToDisplay(text));
}

void Prompts::ShowError(std::string_view text) {
  if (shell_.messageBoxesEnabled) ShowErrorAlways(text);
}

void Prompts::ShowErrorAlways(std::string_view text) {
  ui_.MessageBox(ToDisplay(W("Fehler : ")), ToDisplay(text));
}

void Prompts::ShowMessageWithCaption(std::string_view caption, std::string_view text) {
  ui_.MessageBox(ToDisplay(caption), ToDisplay(text));
}

bool Prompts::AskYesNoCancel(std::string_view question) {
  switch (ui_.AskYesNoCancel(kProgramTitle, ToDisplay(question))) {
    case Answer::Yes: return true;
    case Answer::No: return false;
    case Answer::Cancel: break;
  }
  shell_.cancel = true;
  return false;
}

char Prompts::AskYesNo(std::string_view prompt, char current) {
  const bool yes = current != 'N' && current != 'n';
  std::optional<bool> answer = ui_.AskYesNo(ToDisplay(prompt), yes);
  if (!answer) {
    shell_.cancel = true;
    answer = yes;
  }
  return *answer ? 'J' : 'N';
}

int Prompts::AskChoice(std::string_view prompt, const std::vector<std::string>& items,
                       int current) {
  const int n = static_cast<int>(items.size());
  if (current < 1 || current > n) current = 1;
  std::vector<std::string> shown;
  shown.reserve(items.size());
  for (const std::string& item : items) shown.push_back(ToDisplay(item));
  const std::optional<int> choice = ui_.AskChoice(ToDisplay(prompt), shown, current);
  if (!choice) {
    shell_.cancel = true;
    return current;
  }
  return *choice >= 1 && *choice <= n ? *choice : current;
}

std::optional<std::string> Prompts::EnterText(std::string_view prompt, int maxLength,
                                              std::string_view current) {
  const std::string shown = ToDisplay(current);
  const std::optional<std::string> typed =
      ui_.AskText(ToDisplay(W("Eingabe")), ToDisplay(prompt), maxLength, shown);
  if (!typed) return std::nullopt;
  // An untouched text comes back as it was: the way through the display code page
  // (ASCII transliteration, overlong texts) is not reversible.
  std::string result = *typed == shown ? std::string(current) : FromDisplay(*typed);
  // As in the edit field, a limit of 0 means no limit.
  if (maxLength > 0 && result.size() > static_cast<std::size_t>(maxLength))
    result.resize(static_cast<std::size_t>(maxLength));
  return result;
}

std::string Prompts::AskText(std::string_view prompt, int maxLength, std::string_view current) {
  std::optional<std::string> text = EnterText(prompt, maxLength, current);
  if (!text) {
    shell_.cancel = true;
    return std::string(current);
  }
  return std::move(*text);
}

std::int32_t Prompts::AskWholeNumber(std::string_view prompt, std::int32_t current,
                                     std::int32_t a, std::int32_t b) {
  if (a > b) std::swap(a, b);
  const std::string shown = std::to_string(current);
  for (;;) {
    const std::optional<std::string> typed = EnterText(prompt, kWholeNumberLength, shown);
    if (!typed) {
      shell_.cancel = true;
      return current;
    }

    const std::optional<std::int32_t> value = TryParseWhole(*typed);
    if (!value) {
      ui_.Beep();
      ShowError(W("Ungültige Eingabe ") + Quoted(*typed) + " !");
    } else if (*value < a || *value > b) {
      ui_.Beep();
      ShowError(W("Gültiger Wertebereich: ") + std::to_string(a) + " .. " + std::to_string(b) +
                " !");
    } else {
      return *value;
    }
    // Without message boxes nobody can correct the entry: end as cancelled
    // instead of asking forever.
    if (!shell_.messageBoxesEnabled) {
      shell_.cancel = true;
      return current;
    }
  }
}

double Prompts::AskRealNumber(std::string_view prompt, double current, double min, double max) {
  if (min > max) std::swap(min, max);
  const std::string shown = FormatSignificant(current, format_);
  for (;;) {
    const std::optional<std::string> typed = EnterText(prompt, kRealNumberLength, shown);
    if (!typed) {
      shell_.cancel = true;
      return current;
    }

    // The shown text carries only three significant digits: an untouched entry
    // keeps the exact value.
    const std::optional<double> value =
        *typed == shown ? std::optional<double>(current) : TryParseReal(*typed);
    if (!value) {
      ui_.Beep();
      ShowError(W("Ungültige Eingabe ") + Quoted(*typed) + " !");
    } else if (!(*value >= min && *value <= max)) {
      ui_.Beep();
      ShowError(W("Gültiger Wertebereich: ") + FormatSignificant(min, format_) + " .. " +
                FormatSignificant(max, format_) + " !");
    } else {
      return *value;
    }
    if (!shell_.messageBoxesEnabled) {
      shell_.cancel = true;
      return current;
    }
  }
}

void Prompts::CheckFileForWriting(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const bool isDirectory = fs::is_directory(path, ec);
  const bool exists = !isDirectory && fs::exists(path, ec);
  if (exists && path.find("aktuell") == std::string::npos && shell_.overwriteQuestion) {
    shell_.helpNumber = kOverwriteHelpNumber;
    const std::string question =
        NameForMessage(path) + " " + W("existiert bereits") + ".   " + W("überschreiben") + " ?";
    if (!AskYesNoCancel(question)) {
      shell_.cancel = true;
      return;
    }
  }

  // Never truncate an existing file for the test: append to it without writing;
  // only a new name is tried by creating and deleting it.
  bool usable = false;
  int error = 0;
  if (exists) {
    if (std::FILE* f = std::fopen(path.c_str(), "ab")) {
      usable = std::fclose(f) == 0;
    } else {
      error = errno;
    }
  } else if (!isDirectory) {
    if (std::FILE* f = std::fopen(path.c_str(), "wbx")) {
      const bool closed = std::fclose(f) == 0;
      usable = fs::remove(path, ec) && closed;
    } else {
      error = errno;
    }
  }
  if (usable) return;
  // A folder that is missing, locked or full is no fault of the name.
  if (!path.empty() && !WriteProblem(path, error).empty()) {
    ReportWriteFailure(path, error);
    return;
  }
  ShowError(W("Ungültiger Dateiname ") + Quoted(NameForMessage(path)) + " !");
  shell_.cancel = true;
}

void Prompts::ReportWriteFailure(const std::string& path, int errorNumber,
                                 std::string_view reason) {
  std::string problem = WriteProblem(path, errorNumber);
  if (problem.empty()) problem = Utf8ToCp850(std::string(reason));
  if (problem.empty()) {
    ReportFileError(FileError::WriteLine);
    return;
  }
  ShowError(W("Datei ") + Quoted(NameForMessage(path)) + W(" kann nicht geschrieben werden: ") +
            problem + " !");
  shell_.cancel = true;
}

void Prompts::CheckFileForReading(const std::string& path) {
  std::error_code ec;
  const bool readable = !std::filesystem::is_directory(path, ec) &&
                        std::ifstream(path, std::ios::binary).is_open();
  if (!readable) {
    ShowError(W("Datei ") + NameForMessage(path) + " " +
              W("nicht gefunden oder kein Zugriffsrecht") + " !");
    shell_.cancel = true;
  }
}

void Prompts::ReportFileError(FileError error) {
  std::string text;
  switch (error) {
    case FileError::ReadLine:
      text = W("Lesefehler");
      break;
    case FileError::DiskFull:
      text = W("Diskette/Platte voll");
      break;
    case FileError::NumberFormat:
      text = W("Falsches numerisches Format");
      break;
    case FileError::WriteLine:
      text = W("Fehler bei Zugriff auf Diskette/Platte");
      break;
    case FileError::Close:
      text = W("Fehler beim Schließen einer Datei");
      break;
    case FileError::Create: text = "file write error"; break;
  }
  ShowError(text);
  shell_.cancel = true;
}

}  // namespace zt6
