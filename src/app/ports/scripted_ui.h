#pragma once
// A Ui for tests: answers come from a queue, every box, question and window is
// recorded in order. An empty queue answers like Cancel.

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "app/ports/ui.h"

namespace zt6 {

struct ScriptedAnswer {
  enum class Kind { Ok, Yes, No, Cancel, Escape, Choice, Row, Text, EditedDescription };
  Kind kind = Kind::Cancel;
  int choice = 0;       // Choice: 1-based item; Row: record number to go to
  std::string text;     // Text: typed text or chosen path; EditedDescription: cause
  std::string remedy;   // EditedDescription
};

struct RecordedPrompt {
  std::string kind;     // "message", "yesnocancel", "yesno", "choice", "text", "directory",
                        // "fileread", "filewrite", "textscreen", "messagewindow", "textfile", "beep",
                        // "pick" (text: "browse"/"choose", current: record on opening),
                        // "plotline" (text: the command line the settings window opened on)
  std::string caption;
  std::string text;
  std::vector<std::string> items;  // choice items, text-screen lines, message-window fields
  int current = 0;                 // preselected choice, maximum length of a text prompt
};

class ScriptedUi : public Ui {
 public:
  void Queue(ScriptedAnswer answer) { answers_.push_back(std::move(answer)); }
  // Every field named, so no aggregate initialisation leaves members out.
  void Queue(ScriptedAnswer::Kind kind, int choice = 0, std::string text = {},
             std::string remedy = {}) {
    ScriptedAnswer a;
    a.kind = kind;
    a.choice = choice;
    a.text = std::move(text);
    a.remedy = std::move(remedy);
    Queue(std::move(a));
  }
  void QueueYes() { Queue(ScriptedAnswer::Kind::Yes); }
  void QueueNo() { Queue(ScriptedAnswer::Kind::No); }
  void QueueCancel() { Queue(ScriptedAnswer::Kind::Cancel); }
  void QueueChoice(int choice) { Queue(ScriptedAnswer::Kind::Choice, choice); }
  void QueueOk() { Queue(ScriptedAnswer::Kind::Ok); }
  void QueueEscape() { Queue(ScriptedAnswer::Kind::Escape); }
  // Pick window: go to this record and close with OK.
  void QueueRow(int recordNumber) { Queue(ScriptedAnswer::Kind::Row, recordNumber); }
  void QueueText(std::string text) { Queue(ScriptedAnswer::Kind::Text, 0, std::move(text)); }
  void QueueEditedDescription(std::string cause, std::string remedy) {
    Queue(ScriptedAnswer::Kind::EditedDescription, 0, std::move(cause), std::move(remedy));
  }
  std::size_t PendingAnswers() const { return answers_.size(); }

  std::vector<RecordedPrompt> recorded;
  // Recorded prompts of one kind, in order.
  std::vector<RecordedPrompt> Of(const std::string& kind) const;

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
  MessageWindowResult ShowMessageWindow(const std::string& message,
                                                     const std::string& cause,
                                                     const std::string& remedy) override;
  // Ok takes the row the window opened on, Row goes to a record first; Cancel and
  // Escape leave it.
  PickResult PickRow(const std::string& title, CurrentTable& table, PickMode mode) override;
  void ShowTextFile(const std::string& path) override;
  // Ok keeps the line, Text is the line the window built, Cancel cancels.
  std::optional<std::string> EditPlotCommandLine(const std::string& line) override;
  void Beep() override;
  void SetWaitCursor(bool) override {}

 private:
  // The next answer; an empty queue gives Cancel.
  ScriptedAnswer Next();
  std::deque<ScriptedAnswer> answers_;
};

}  // namespace zt6
