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

int PageCount(const std::vector<std::string>& lines) {
  int pages = static_cast<int>(std::count_if(lines.begin(), lines.end(), StartsPage));
  // Text after the last form feed is a page of its own, so it can be printed too.
  const auto lastFeed = std::find_if(lines.rbegin(), lines.rend(), StartsPage);
  if (std::any_of(lines.rbegin(), lastFeed, [](const std::string& l) { return !l.empty(); }))
    ++pages;
  return pages;
}

}  // namespace

int PrintedPageCount(const std::string& bytes) { return PageCount(SplitLines(bytes)); }

void PrintTextFile(const std::string& path, Printer& printer, Prompts& prompts,
                   const Configuration& config, PrintedText code) {
  const FileContent file = ReadWholeFile(path, kMaxReportBytes);
  if (!file.ok || file.tooLarge) {
    prompts.ShowMessage(Utf8ToCp850(path) + " not found !");
    return;
  }
  if (prompts.shell().cancel) return;
  PrintText(file.bytes, printer, config, code);
}

PrintOutcome PrintText(const std::string& bytes, Printer& printer, const Configuration& config,
                       PrintedText code, const std::optional<PageRange>& chosen) {
  const std::vector<std::string> lines = SplitLines(bytes);
  const int pages = PageCount(lines);
  printer.SetLandscape(false);
  std::optional<PageRange> range = chosen ? chosen : printer.ChooseTextPages(pages);
  if (!range) return PrintOutcome::Cancelled;
  range->from = std::max(range->from, 1);
  range->to = std::min(range->to, pages);
  if (range->from > range->to) return PrintOutcome::OutsideRange;
  if (!printer.BeginText({config.printoutFont, config.printoutFontSize, config.printoutFontStyle}))
    return PrintOutcome::NoJob;

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
    if (range->from <= page && page <= range->to && page <= kLastPrintablePage) {
      const std::string windows =
          code == PrintedText::Dos ? OemToAnsiAnyLength(line, config.format.asciiSpecial) : line;
      printer.DrawTextLine(0, y, Cp1252ToUtf8(windows));
    }
    y += lineHeight;
  }
  printer.EndText();
  return PrintOutcome::Printed;
}

}  // namespace zt6
