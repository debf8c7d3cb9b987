#pragma once
// The help image list "ZT6.dbh": one line per image, "name","information", the name of
// the plot file without ".plt" (at most 8 characters) and a description of at most 50
// characters, code page 850. At most 130 lines are used.

#include <string>
#include <vector>

namespace zt6 {

inline constexpr std::size_t kMaxHelpImages = 130;
inline constexpr std::size_t kHelpImageNameLength = 8;
inline constexpr std::size_t kHelpImageInformationLength = 50;
inline constexpr const char* kHelpImageListFile = "ZT6.dbh";

struct HelpImageEntry {
  std::string name;         // CP850
  std::string information;  // CP850
};

struct HelpImageList {
  std::vector<HelpImageEntry> entries;
  bool fieldError = false;  // a field did not start with a double quote ("DBH file error")
};

// The entries of the list file's lines; a field without its opening quote is read on
// up to the next comma and flagged.
HelpImageList ParseHelpImageList(const std::vector<std::string>& lines);
// The list line of an entry: "name","information".
std::string HelpImageListLine(const std::string& name, const std::string& information);
// How the browser shows an entry: the name padded to 8 characters, ": ", the information.
std::string HelpImageDisplayLine(const HelpImageEntry& entry);

enum class ListEdit { Append, Replace, InsertBefore, Remove };
// The list file's lines after an edit at index (0-based; ignored for Append).
std::vector<std::string> EditHelpImageList(std::vector<std::string> lines, ListEdit edit,
                                           std::size_t index, const std::string& line);

}  // namespace zt6
