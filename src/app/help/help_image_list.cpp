#include "app/help/help_image_list.h"

namespace zt6 {

namespace {

// One field from pos: an optional comma, then the text in double quotes. Without the
// quote the text up to the next comma is taken and the error flagged.
std::string Field(const std::string& line, std::size_t& pos, bool& error) {
  if (pos < line.size() && line[pos] == ',') ++pos;
  if (pos < line.size() && line[pos] == '"') {
    const std::size_t end = line.find('"', pos + 1);
    const std::size_t stop = end == std::string::npos ? line.size() : end;
    std::string text = line.substr(pos + 1, stop - pos - 1);
    pos = end == std::string::npos ? line.size() : end + 1;
    return text;
  }
  error = true;
  const std::size_t comma = line.find(',', pos);
  const std::size_t stop = comma == std::string::npos ? line.size() : comma;
  std::string text = line.substr(pos, stop - pos);
  pos = stop;
  return text;
}

}  // namespace

HelpImageList ParseHelpImageList(const std::vector<std::string>& lines) {
  HelpImageList list;
  for (const std::string& line : lines) {
    if (list.entries.size() >= kMaxHelpImages) break;
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    std::size_t pos = 0;
    HelpImageEntry entry;
    entry.name = Field(line, pos, list.fieldError);
    entry.information = Field(line, pos, list.fieldError);
    list.entries.push_back(std::move(entry));
  }
  return list;
}

std::string HelpImageListLine(const std::string& name, const std::string& information) {
  return "\"" + name.substr(0, kHelpImageNameLength) + "\",\"" +
         information.substr(0, kHelpImageInformationLength) + "\"";
}

std::string HelpImageDisplayLine(const HelpImageEntry& entry) {
  std::string name = entry.name;
  if (name.size() < kHelpImageNameLength) name.resize(kHelpImageNameLength, ' ');
  return name + ": " + entry.information;
}

std::vector<std::string> EditHelpImageList(std::vector<std::string> lines, ListEdit edit,
                                           std::size_t index, const std::string& line) {
  // Blank lines are no entries: the index counts entries only.
  std::vector<std::string> kept;
  for (std::string& l : lines)
    if (l.find_first_not_of(" \t") != std::string::npos) kept.push_back(std::move(l));
  switch (edit) {
    case ListEdit::Append:
      kept.push_back(line);
      break;
    case ListEdit::Replace:
      if (index < kept.size()) kept[index] = line;
      break;
    case ListEdit::InsertBefore:
      kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(std::min(index, kept.size())), line);
      break;
    case ListEdit::Remove:
      if (index < kept.size()) kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(index));
      break;
  }
  return kept;
}

}  // namespace zt6
