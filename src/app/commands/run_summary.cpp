#include "app/commands/run_summary.h"

#include <string>
#include <utility>
#include <vector>

#include "base/codepage.h"
#include "calc/message_descriptions.h"
#include "calc/run_message_language.h"

namespace zt6 {

namespace {

constexpr int kSummaryHelp = 2070;
constexpr int kSummaryChoiceHelp = 1210;

}  // namespace

RunSummary::RunSummary(const RunMessages& messages, Prompts& prompts,
                       std::filesystem::path descriptionFile, int textLanguage)
    : messages_(messages), prompts_(prompts), descriptionFile_(std::move(descriptionFile)) {
  words_.Load(textLanguage);
}

void RunSummary::ShowDescription(int k) {
  if (k < 1 || k > messages_.Count()) return;
  const std::string& message = messages_.Message(k);
  const MessageDescription description = LookUpDescription(descriptionFile_, message);
  if (!description.fileFound) {
    prompts_.CheckFileForReading(descriptionFile_.string());
    prompts_.shell().cancel = true;
    return;
  }
  if (!description.matched) {
    prompts_.ShowMessageWithCaption(words_["Meldung"], words_[std::string(kNoDescription)]);
    return;
  }

  // The memos convert without the short-text limit of the display conversion: their
  // texts go back into the file, and an emptied long line would be stored empty.
  const MessageWindowResult result = prompts_.ui().ShowMessageWindow(
      OemToDisplay(RunMessageInLanguage(message, words_.Language()), false),
      Cp850ToUtf8(description.cause), Cp850ToUtf8(description.remedy));
  if (result.cancelled) {
    prompts_.shell().cancel = true;
    return;
  }
  if (!result.editedCause && !result.editedRemedy) return;

  const std::string cause =
      result.editedCause ? Utf8ToCp850(*result.editedCause) : description.cause;
  const std::string remedy =
      result.editedRemedy ? Utf8ToCp850(*result.editedRemedy) : description.remedy;
  switch (StoreDescription(descriptionFile_, message, cause, remedy)) {
    case StoreResult::Stored: break;
    case StoreResult::CannotRead:
      prompts_.CheckFileForReading(descriptionFile_.string());
      prompts_.shell().cancel = true;
      break;
    case StoreResult::NotFound:
      prompts_.ShowMessage(message + " " + words_["nicht gefunden."]);
      break;
    case StoreResult::WriteFailed: prompts_.ReportFileError(FileError::WriteLine); break;
  }
}

void RunSummary::Summary() {
  ShellState& shell = prompts_.shell();
  if (shell.noGui || shell.demoMode) return;
  const int count = messages_.Count();
  if (count == 0) {
    prompts_.ShowMessage(words_["Berechnung erfolgreich ohne Fehlermeldungen"]);
    return;
  }

  shell.cancel = false;
  std::vector<std::string> items;
  for (int k = 1; k <= count; ++k)
    items.push_back(RunMessageInLanguage(messages_.Message(k), words_.Language()));
  items.push_back(words_["Weiter/zurück..."]);
  const int proceed = count + 1;
  int preselected = shell.helpLevel < 2 ? proceed : 1;

  shell.helpNumber = kSummaryHelp;
  do {
    shell.helpNumber = kSummaryChoiceHelp;
    const int chosen = prompts_.AskChoice(
        words_["Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe."], items,
        preselected);
    if (shell.cancel || chosen == proceed) return;
    ShowDescription(chosen);
    if (shell.cancel) return;
    preselected = chosen + 1;
  } while (preselected != proceed);
}

}  // namespace zt6
