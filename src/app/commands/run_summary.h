#pragma once
// The end-of-run summary: the run messages as a choice list, and for a chosen
// message its cause and remedy from the description file, which the user may edit
// and store back.

#include <filesystem>

#include "app/ports/prompts.h"
#include "calc/run_messages.h"
#include "report/vocabulary.h"

namespace zt6 {

class RunSummary {
 public:
  // descriptionFile: the message description file ("zt6.err" in the PLT folder);
  // textLanguage: the language of the summary's texts and messages (1 German, 2 English).
  RunSummary(const RunMessages& messages, Prompts& prompts, std::filesystem::path descriptionFile,
             int textLanguage = 1);

  // Shows cause and remedy of message k in the message window and stores confirmed
  // edits. A missing file is reported and sets the cancel flag, as does cancelling
  // the window.
  void ShowDescription(int k);
  // The summary dialog; nothing in windowless runs and in the demonstration.
  void Summary();

 private:
  const RunMessages& messages_;
  Prompts& prompts_;
  std::filesystem::path descriptionFile_;
  Vocabulary words_;
};

}  // namespace zt6
