#include "app/help/help_image_browser.h"

#include <filesystem>

#include "app/help/help_files.h"
#include "app/help/help_texts.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "base/codepage.h"
#include "base/safe_file.h"
#include "base/text_lines.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxListBytes = 1 << 20;
constexpr int kNewHelp = 2310;
constexpr int kDeleteHelp = 2320;
constexpr int kChangeHelp = 2330;
constexpr int kNameHelp = 2340;
constexpr int kInsertHelp = 2350;

std::string Trimmed(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

HelpImageBrowser::HelpImageBrowser(Program& program, Prompts& prompts)
    : program_(program),
      prompts_(prompts),
      listPath_(LanguageHelpFilePath(program.config, kHelpImageListFile)) {}

bool HelpImageBrowser::ListExists() const {
  std::error_code ec;
  return fs::is_regular_file(listPath_, ec);
}

void HelpImageBrowser::Read() {
  const FileContent file = ReadWholeFile(listPath_, kMaxListBytes);
  lines_ = file.ok ? SplitLines(file.bytes) : std::vector<std::string>{};
  const HelpImageList list = ParseHelpImageList(lines_);
  entries_ = list.entries;
  if (list.fieldError) prompts_.ShowError("DBH file error");
}

std::vector<std::string> HelpImageBrowser::DisplayLines() const {
  std::vector<std::string> lines;
  for (const HelpImageEntry& e : entries_)
    lines.push_back(OemToDisplay(HelpImageDisplayLine(e), program_.config.format.asciiSpecial));
  return lines;
}

void HelpImageBrowser::Draw(std::size_t index) {
  program_.drawing.Clear();
  program_.drawing.Header(0, 0, 160, 120);
  if (index < entries_.size()) DrawHelpImage(program_.config, program_.drawing, Trimmed(entries_[index].name));
}

bool HelpImageBrowser::ChooseAndDrawPlotFile() {
  const std::optional<std::string> chosen =
      prompts_.ui().ChooseFileToRead(HelpFolder(program_.config), "*.plt");
  if (!chosen) {
    prompts_.shell().cancel = true;
    return false;
  }
  const fs::path file(*chosen);
  program_.config.pltFolder = Utf8ToCp850(file.parent_path().string());
  program_.drawing.Clear();
  program_.drawing.Header(0, 0, 160, 120);
  DrawHelpImage(program_.config, program_.drawing, file.stem().string());
  return true;
}

std::optional<std::size_t> HelpImageBrowser::Line(std::optional<std::size_t> selected,
                                                   const char* prompt) {
  if (selected && *selected < entries_.size()) return selected;
  if (entries_.empty()) return std::nullopt;
  std::vector<std::string> items;
  for (const HelpImageEntry& e : entries_) items.push_back(HelpImageDisplayLine(e).substr(0, 64));
  prompts_.shell().cancel = false;
  const int chosen = prompts_.AskChoice(Oem(prompt), items, 1);
  if (prompts_.shell().cancel) return std::nullopt;
  return static_cast<std::size_t>(chosen - 1);
}

std::optional<std::string> HelpImageBrowser::PlotFileName() {
  const std::optional<std::string> chosen =
      prompts_.ui().ChooseFileToRead(HelpFolder(program_.config), "*.plt");
  if (!chosen) return std::nullopt;
  return Utf8ToCp850(fs::path(*chosen).stem().string()).substr(0, kHelpImageNameLength);
}

std::optional<std::string> HelpImageBrowser::Information(const std::string& current) {
  prompts_.shell().cancel = false;
  std::string text =
      prompts_.AskText("Information zum Hilfebild", kHelpImageInformationLength, current);
  if (prompts_.shell().cancel) return std::nullopt;
  return text;
}

void HelpImageBrowser::Write(ListEdit edit, std::size_t index, const std::string& line) {
  std::vector<std::string> lines = EditHelpImageList(lines_, edit, index, line);
  LineWriter writer;
  for (const std::string& l : lines) writer.Line(l);
  // The whole list replaces the old one in one step: a failed write leaves it as it was.
  const SafeWriteResult written = WriteFileSafely(listPath_, writer.Text());
  if (!written.ok) {
    prompts_.ReportFileError(FileError::WriteLine);
    return;
  }
  Read();
}

bool HelpImageBrowser::New() {
  prompts_.shell().helpNumber = kNewHelp;
  const std::optional<std::string> name = PlotFileName();
  if (!name) return true;
  const std::optional<std::string> information = Information("");
  if (!information) return true;
  Write(ListEdit::Append, 0, HelpImageListLine(*name, *information));
  return true;
}

bool HelpImageBrowser::Remove(std::optional<std::size_t> selected) {
  prompts_.shell().helpNumber = kDeleteHelp;
  if (selected && *selected < entries_.size()) {
    if (!prompts_.AskYesNoCancel(Oem("Löschen ?"))) return false;
  }
  const std::optional<std::size_t> line = Line(selected, "Zu löschende Zeile wählen...");
  if (!line) return true;
  Write(ListEdit::Remove, *line, {});
  return true;
}

bool HelpImageBrowser::Change(std::optional<std::size_t> selected) {
  prompts_.shell().helpNumber = kChangeHelp;
  const std::optional<std::size_t> line = Line(selected, "Zu ändernde Zeile wählen...");
  if (!line) return true;
  const std::string shown = HelpImageDisplayLine(entries_[*line]);
  prompts_.shell().helpNumber = kNameHelp;
  prompts_.shell().cancel = false;
  const std::string name = AsciiUpper(Trimmed(prompts_.AskText(
      "Dateiname (ohne Endung .plt)", kHelpImageNameLength, AsciiUpper(Trimmed(shown.substr(0, 8))))));
  if (prompts_.shell().cancel) return true;
  prompts_.shell().helpNumber = kChangeHelp;
  const std::optional<std::string> information =
      Information(shown.size() > 10 ? shown.substr(10) : std::string());
  if (!information) return true;
  Write(ListEdit::Replace, *line, HelpImageListLine(name, *information));
  return true;
}

bool HelpImageBrowser::Insert(std::optional<std::size_t> selected) {
  prompts_.shell().helpNumber = kInsertHelp;
  const std::optional<std::size_t> line = Line(selected, "Vor welche Zeile einfügen ?");
  if (!line) return true;
  const std::optional<std::string> name = PlotFileName();
  if (!name) return true;
  const std::optional<std::string> information = Information("");
  if (!information) return true;
  Write(ListEdit::InsertBefore, *line, HelpImageListLine(*name, *information));
  return true;
}

}  // namespace zt6
