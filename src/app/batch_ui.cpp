#include "app/batch_ui.h"

#include <fstream>

namespace zt6 {

void BatchUi::MessageBox(const std::string& caption, const std::string& text) {
  // Captions such as "Fehler : " end in a blank already.
  std::string head = caption;
  while (!head.empty() && head.back() == ' ') head.pop_back();
  err_ << head << (head.empty() ? "" : " ") << text << '\n';
}

Answer BatchUi::AskYesNoCancel(const std::string&, const std::string&) { return Answer::Cancel; }

std::optional<bool> BatchUi::AskYesNo(const std::string&, bool current) { return current; }

std::optional<int> BatchUi::AskChoice(const std::string&, const std::vector<std::string>&,
                                      int current) {
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

MessageWindowResult BatchUi::ShowMessageWindow(const std::string&, const std::string&,
                                               const std::string&) {
  return {};
}

void BatchUi::ShowTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    err_ << path << " not found !\n";
    return;
  }
  // Streaming an empty buffer would set the failbit of the output stream.
  if (in.peek() != std::ifstream::traits_type::eof()) out_ << in.rdbuf();
  out_.flush();
}

}  // namespace zt6
