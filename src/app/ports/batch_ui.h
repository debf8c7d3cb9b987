#pragma once
// The Ui of windowless runs: boxes become lines on standard error, questions take
// the safe answer (Cancel, or the current value), text windows print to standard
// output. Nothing waits for a person.

#include <iostream>
#include <ostream>

#include "app/ports/ui.h"

namespace zt6 {

class BatchUi : public Ui {
 public:
  explicit BatchUi(std::ostream& out = std::cout, std::ostream& err = std::cerr)
      : out_(out), err_(err) {}

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
  // No window: the preset row counts as chosen.
  PickResult PickRow(const std::string&, CurrentTable&, PickMode) override {
    return PickResult::Chosen;
  }
  void ShowTextFile(const std::string& path) override;
  // No window: the line stays as it is.
  std::optional<std::string> EditPlotCommandLine(const std::string& line) override {
    return line;
  }
  void Beep() override {}
  void SetWaitCursor(bool) override {}

 private:
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace zt6
