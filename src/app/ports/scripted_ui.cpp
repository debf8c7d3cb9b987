#include "app/ports/scripted_ui.h"

#include <stdexcept>

#include "tables/current_table.h"

namespace zt6 {

namespace {

[[noreturn]] void Unexpected(const std::string& prompt, ScriptedAnswer::Kind) {
  throw std::logic_error("scripted answer does not fit the prompt: " + prompt);
}

}  // namespace

std::vector<RecordedPrompt> ScriptedUi::Of(const std::string& kind) const {
  std::vector<RecordedPrompt> result;
  for (const RecordedPrompt& p : recorded)
    if (p.kind == kind) result.push_back(p);
  return result;
}

ScriptedAnswer ScriptedUi::Next() {
  if (answers_.empty()) return {};
  ScriptedAnswer a = std::move(answers_.front());
  answers_.pop_front();
  return a;
}

void ScriptedUi::MessageBox(const std::string& caption, const std::string& text) {
  recorded.push_back({"message", caption, text, {}, 0});
}

Answer ScriptedUi::AskYesNoCancel(const std::string& caption, const std::string& question) {
  recorded.push_back({"yesnocancel", caption, question, {}, 0});
  ScriptedAnswer a = Next();
  switch (a.kind) {
    case ScriptedAnswer::Kind::Yes: return Answer::Yes;
    case ScriptedAnswer::Kind::No: return Answer::No;
    case ScriptedAnswer::Kind::Cancel: return Answer::Cancel;
    default: Unexpected(question, a.kind);
  }
}

std::optional<bool> ScriptedUi::AskYesNo(const std::string& prompt, bool current) {
  recorded.push_back({"yesno", "Eingabe", prompt, {}, current ? 1 : 0});
  ScriptedAnswer a = Next();
  switch (a.kind) {
    case ScriptedAnswer::Kind::Yes: return true;
    case ScriptedAnswer::Kind::No: return false;
    case ScriptedAnswer::Kind::Ok: return current;
    case ScriptedAnswer::Kind::Cancel: return std::nullopt;
    default: Unexpected(prompt, a.kind);
  }
}

std::optional<int> ScriptedUi::AskChoice(const std::string& prompt,
                                         const std::vector<std::string>& items, int current) {
  recorded.push_back({"choice", "Auswahl", prompt, items, current});
  ScriptedAnswer a = Next();
  switch (a.kind) {
    case ScriptedAnswer::Kind::Choice:
      if (a.choice < 1 || a.choice > static_cast<int>(items.size()))
        throw std::logic_error("scripted choice out of range: " + prompt);
      return a.choice;
    case ScriptedAnswer::Kind::Ok: return current;
    case ScriptedAnswer::Kind::Cancel: return std::nullopt;
    default: Unexpected(prompt, a.kind);
  }
}

std::optional<std::string> ScriptedUi::AskText(const std::string& caption,
                                               const std::string& prompt, int maxLength,
                                               const std::string& current) {
  recorded.push_back({"text", caption, prompt, {current}, maxLength});
  ScriptedAnswer a = Next();
  switch (a.kind) {
    case ScriptedAnswer::Kind::Text: return a.text;
    case ScriptedAnswer::Kind::Ok: return current;
    case ScriptedAnswer::Kind::Cancel: return std::nullopt;
    default: Unexpected(prompt, a.kind);
  }
}

std::optional<std::string> ScriptedUi::ChooseDirectory(const std::string& current) {
  recorded.push_back({"directory", "Select Directory", current, {}, 0});
  ScriptedAnswer a = Next();
  if (a.kind == ScriptedAnswer::Kind::Text) return a.text;
  if (a.kind == ScriptedAnswer::Kind::Cancel) return std::nullopt;
  Unexpected(current, a.kind);
}

std::optional<std::string> ScriptedUi::ChooseFileToRead(const std::string& directory,
                                                        const std::string& pattern) {
  recorded.push_back({"fileread", pattern, directory, {}, 0});
  ScriptedAnswer a = Next();
  if (a.kind == ScriptedAnswer::Kind::Text) return a.text;
  if (a.kind == ScriptedAnswer::Kind::Cancel) return std::nullopt;
  Unexpected(directory, a.kind);
}

std::optional<std::string> ScriptedUi::ChooseFileToWrite(const std::string& directory,
                                                         const std::string& pattern,
                                                         const std::string& proposal) {
  recorded.push_back({"filewrite", pattern, directory, {proposal}, 0});
  ScriptedAnswer a = Next();
  if (a.kind == ScriptedAnswer::Kind::Text) return a.text;
  if (a.kind == ScriptedAnswer::Kind::Cancel) return std::nullopt;
  Unexpected(directory, a.kind);
}

PickResult ScriptedUi::PickRow(const std::string& title, CurrentTable& table, PickMode mode) {
  const bool choosing = mode == PickMode::Choose;
  table.SetHideDeleted(choosing);
  recorded.push_back({"pick", title, choosing ? "choose" : "browse", {},
                      static_cast<int>(table.DbfRecNo())});
  ScriptedAnswer a = Next();
  PickResult result = PickResult::Cancelled;
  switch (a.kind) {
    case ScriptedAnswer::Kind::Row: table.DbfGo(a.choice); result = PickResult::Chosen; break;
    case ScriptedAnswer::Kind::Ok: result = PickResult::Chosen; break;
    case ScriptedAnswer::Kind::Cancel: break;
    case ScriptedAnswer::Kind::Escape: result = PickResult::Escaped; break;
    default: Unexpected(title, a.kind);
  }
  table.SetHideDeleted(false);
  return result;
}

void ScriptedUi::ShowTextScreen(const std::vector<std::string>& lines) {
  recorded.push_back({"textscreen", "ZT6", "", lines, 0});
}

MessageWindowResult ScriptedUi::ShowMessageWindow(const std::string& message,
                                                  const std::string& cause,
                                                  const std::string& remedy) {
  recorded.push_back({"messagewindow", "Fehlermeldung", message, {cause, remedy}, 0});
  ScriptedAnswer a = Next();
  MessageWindowResult result;
  switch (a.kind) {
    case ScriptedAnswer::Kind::Ok: break;
    case ScriptedAnswer::Kind::Cancel: result.cancelled = true; break;
    case ScriptedAnswer::Kind::EditedDescription:
      result.editedCause = a.text;
      result.editedRemedy = a.remedy;
      break;
    default: Unexpected(message, a.kind);
  }
  return result;
}

void ScriptedUi::ShowTextFile(const std::string& path) {
  recorded.push_back({"textfile", "", path, {}, 0});
}

std::optional<std::string> ScriptedUi::EditPlotCommandLine(const std::string& line) {
  recorded.push_back({"plotline", "PLOTRIX", line, {}, 0});
  ScriptedAnswer a = Next();
  switch (a.kind) {
    case ScriptedAnswer::Kind::Ok: return line;
    case ScriptedAnswer::Kind::Text: return a.text;
    case ScriptedAnswer::Kind::Cancel: return std::nullopt;
    default: Unexpected(line, a.kind);
  }
}

void ScriptedUi::Beep() { recorded.push_back({"beep", "", "", {}, 0}); }

}  // namespace zt6
