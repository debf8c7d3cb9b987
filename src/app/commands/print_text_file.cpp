#include "app/commands/print_text_file.h"

#include <algorithm>

#include "base/codepage.h"
#include "base/safe_file.h"
#include "base/text_lines.h"

namespace zt6 {

namespace {

constexpr std::size_t kMaxReportBytes = 64u << 20;
constexpr int kLastPrintablePage = 255;  // the page set holds 0..255

bool StartsPage(const std::string& line) { return !line.empty() && line[0] == '\f'; }

}  // namespace

void PrintTextFile(const std::string& path, Printer& printer, Prompts& prompts,
                   const Configuration& config) {
  const FileContent file = ReadWholeFile(path, kMaxReportBytes);
  if (!file.ok || file.tooLarge) {
    prompts.ShowMessage(Utf8ToCp850(path) + " not found !");
    return;
  }
  if (prompts.shell().cancel) return;

  const std::vector<std::string> lines = SplitLines(file.bytes);
  int pages = static_cast<int>(std::count_if(lines.begin(), lines.end(), StartsPage));
  // Text after the last form feed is a page of its own, so it can be printed too.
  const auto lastFeed = std::find_if(lines.rbegin(), lines.rend(), StartsPage);
  if (std::any_of(lines.rbegin(), lastFeed, [](const std::string& l) { return !l.empty(); }))
    ++pages;
  const std::optional<PageRange> range = printer.ChooseTextPages(pages);
  if (!range) return;
  if (!printer.BeginText({config.printoutFont, config.printoutFontSize, config.printoutFontStyle}))
    return;

  const int lineHeight = printer.PageHeight() / std::max(config.linesPerPage, 1);
  int page = 1;
  int y = 0;
  for (const std::string& line : lines) {
    if (StartsPage(line)) {
      ++page;
      if (range->from + 1 <= page && page <= range->to) printer.NewPage();
      y = 0;
      continue;
    }
    if (range->from <= page && page <= range->to && page <= kLastPrintablePage)
      printer.DrawTextLine(
          0, y, Cp1252ToUtf8(OemToAnsiAnyLength(line, config.format.asciiSpecial)));
    y += lineHeight;
  }
  printer.EndText();
}

}  // namespace zt6
