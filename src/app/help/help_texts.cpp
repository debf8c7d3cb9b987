#include "app/help/help_texts.h"

#include <cctype>

#include "app/files/configuration.h"
#include "app/help/help_files.h"
#include "app/help/language_files.h"
#include "app/ports/prompts.h"
#include "base/codepage.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "cad/drawing_window.h"
#include "cad/hpgl_reader.h"

namespace zt6 {

namespace {

constexpr std::size_t kMaxHelpFileBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxPlotFileBytes = 16 * 1024 * 1024;
constexpr int kLinesPerEntry = 5;

// The number a line starts with: its first four characters, blanks around them
// allowed, all digits. -1 for any other line.
int LineNumber(std::string_view line) {
  std::string_view head = line.substr(0, 4);
  while (!head.empty() && head.front() == ' ') head.remove_prefix(1);
  while (!head.empty() && head.back() == ' ') head.remove_suffix(1);
  if (head.empty()) return -1;
  int value = 0;
  for (const char c : head) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string ImageOf(std::string_view head) {
  const std::size_t colon = head.find(':');
  if (colon == std::string_view::npos) return "NULL";
  std::string_view name = head.substr(colon + 1);
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
  return std::string(name);
}

HelpEntry Message(std::string text) {
  HelpEntry entry;
  entry.lines[0] = std::move(text);
  return entry;
}

}  // namespace

const char* HelpFileName(int number) {
  return number < kSharedHelpLimit ? kSharedHelpFile : kProgramHelpFile;
}

HelpEntry FindHelpEntry(const std::vector<std::string>& fileLines, int number) {
  std::size_t i = 0;
  // Skip to the head: every number line is a head, its next line its first text line.
  for (;;) {
    if (i >= fileLines.size()) {
      return Message("Hilfetext Nr " + std::to_string(number) + ": " + "keine Hilfe vorhanden" +
                     ".");
    }
    const int head = LineNumber(fileLines[i]);
    if (head == number) break;
    i += head >= 0 ? 2 : 1;
  }
  HelpEntry entry;
  entry.found = true;
  entry.image = ImageOf(fileLines[i]);
  ++i;
  if (i < fileLines.size()) entry.lines[0] = fileLines[i++];
  for (int line = 2; line <= kLinesPerEntry && i < fileLines.size(); ++line) {
    const std::string& text = fileLines[i++];
    const int marked = LineNumber(text);
    if (marked < 0) {
      entry.lines[line - 1] = text;
      continue;
    }
    if (marked % 5 == 0) break;  // the next entry's head
    if (i >= fileLines.size()) break;
    const std::string& markedText = fileLines[i++];
    if (marked == number + line - 1) entry.lines[line - 1] = markedText;
  }
  return entry;
}

HelpEntry LookUpHelpInFile(const std::string& path, int number) {
  const FileContent file = ReadWholeFile(path, kMaxHelpFileBytes);
  if (!file.ok || file.tooLarge) {
    return Message("Datei " + Utf8ToCp850(path) + " " + "nicht gefunden" + " !");
  }
  return FindHelpEntry(SplitLines(file.bytes), number);
}

HelpEntry LookUpHelp(const Configuration& config, int number) {
  const int language = TextLanguage(config.menuLanguage);
  if (language != 1) {
    // An entry not yet written in the language is shown in German.
    HelpEntry entry = LookUpHelpInFile(
        HelpFilePath(config, LanguageFileName(HelpFileName(number), language)), number);
    if (entry.found) return entry;
  }
  return LookUpHelpInFile(HelpFilePath(config, HelpFileName(number)), number);
}

std::string HelpTextAsString(const HelpEntry& entry, bool asciiSpecial) {
  std::string text;
  for (const std::string& line : entry.lines) {
    if (!text.empty()) text += ' ';
    text += OemToDisplay(line, asciiSpecial);
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string HelpCaption(int number, int menuLanguage) {
  // German for the German menus and for the start-up language (0).
  const bool german = menuLanguage <= 1;
  return (german ? "HILFETEXT Nr." : "HELP TEXT No.") + std::to_string(number);
}

std::vector<int> HelpHeadNumbers(const std::vector<std::string>& fileLines) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < fileLines.size();) {
    const int number = LineNumber(fileLines[i]);
    if (number < 0) {
      ++i;
      continue;
    }
    if (number % 5 == 0) numbers.push_back(number);
    i += 2;  // a head or continuation number and the text line it marks
  }
  return numbers;
}

bool DrawHelpImage(const Configuration& config, DrawingWindow& drawing, const std::string& name) {
  // The image with the words of the menu language, else the German one.
  const FileContent file =
      ReadWholeFile(LanguageHelpFilePath(config, name + ".plt"), kMaxPlotFileBytes);
  if (!file.ok || file.tooLarge) return false;  // no help image is that large
  DrawPlotFile(drawing, file.bytes);
  return true;
}

void ShowHelp(const Configuration& config, Prompts& prompts, DrawingWindow& drawing, int number,
              HelpMode mode) {
  ShellState& shell = prompts.shell();
  if (number == 0) number = shell.helpNumber;
  const HelpEntry entry = LookUpHelp(config, number);
  shell.cancel = false;
  if (mode != HelpMode::Text) {
    drawing.Clear();
    drawing.Header(0, 0, 160, 120);
    if (entry.HasImage()) DrawHelpImage(config, drawing, entry.image);
  }
  if (mode != HelpMode::Image) {
    std::string text;
    int last = kLinesPerEntry;
    while (last > 1 && entry.lines[static_cast<std::size_t>(last - 1)].empty()) --last;
    // Each line followed by a blank: one paragraph, which the box wraps to its width.
    for (int k = 0; k < last; ++k)
      text += OemToDisplay(entry.lines[static_cast<std::size_t>(k)], prompts.format().asciiSpecial) + " ";
    prompts.ui().MessageBox(HelpCaption(number, config.menuLanguage), text);
  }
}

}  // namespace zt6
