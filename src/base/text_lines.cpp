#include "base/text_lines.h"

namespace zt6 {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string SingleLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

bool EqualsUpperCased(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[i]) return false;
  }
  return true;
}

const std::string& LineReader::Next() {
  if (next_ < lines_.size()) return lines_[next_++];
  ranPastEnd_ = true;
  return empty_;
}

void LineWriter::Line(std::string_view text) {
  text_.append(text);
  text_.append("\r\n");
}

std::string WithoutTrailingNewlines(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace zt6
