#include "app/ports/batch_ui.h"

#include "base/codepage.h"
#include "base/safe_file.h"

namespace zt6 {

namespace {
constexpr std::size_t kMaxShownFile = 64u << 20;
}  // namespace

void BatchUi::MessageBox(const std::string& caption, const std::string& text) {
  // Captions such as "Fehler : " end in a blank already.
  std::string head = caption;
  while (!head.empty() && head.back() == ' ') head.pop_back();
  err_ << head << (head.empty() ? "" : " ") << text << '\n';
}

// Questions are echoed to standard error with the safe answer taken, so a batch
// log shows what would have been asked.
Answer BatchUi::AskYesNoCancel(const std::string&, const std::string& question) {
  err_ << question << " -> Abbrechen\n";
  return Answer::Cancel;
}

std::optional<bool> BatchUi::AskYesNo(const std::string& prompt, bool current) {
  err_ << prompt << " -> " << (current ? "Ja" : "Nein") << '\n';
  return current;
}

std::optional<int> BatchUi::AskChoice(const std::string& prompt,
                                      const std::vector<std::string>& items, int current) {
  err_ << prompt << '\n';
  for (std::size_t i = 0; i < items.size(); ++i) err_ << "  " << i + 1 << ". " << items[i] << '\n';
  return current;
}

std::optional<std::string> BatchUi::AskText(const std::string&, const std::string&, int,
                                            const std::string& current) {
  return current;
}

std::optional<std::string> BatchUi::ChooseDirectory(const std::string&) { return std::nullopt; }

std::optional<std::string> BatchUi::ChooseFileToRead(const std::string&, const std::string&) {
  return std::nullopt;
}

std::optional<std::string> BatchUi::ChooseFileToWrite(const std::string&, const std::string&,
                                                      const std::string&) {
  return std::nullopt;
}

void BatchUi::ShowTextScreen(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out_ << line << '\n';
  out_.flush();
}

MessageWindowResult BatchUi::ShowMessageWindow(const std::string& message,
                                               const std::string& cause,
                                               const std::string& remedy) {
  err_ << message << "\n  Ursache: " << cause << "\n  Abhilfe: " << remedy << '\n';
  return {};
}

void BatchUi::ShowTextFile(const std::string& path) {
  const FileContent file = ReadWholeFile(path, kMaxShownFile);
  if (!file.ok) {
    err_ << path << " not found !\n";
    return;
  }
  out_ << Cp1252ToUtf8(file.bytes);
  out_.flush();
}

}  // namespace zt6
