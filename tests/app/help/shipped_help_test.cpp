// The help files shipped with the program: every help number the program can ask for
// has its entry, entries keep to the format, every image they name is there, and
// every German text has its English one.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "app/help/help_texts.h"
#include "base/codepage.h"
#include "base/safe_file.h"
#include "base/text_lines.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> HelpFileLines(const char* name) {
  const FileContent file = ReadWholeFile(fs::path(ZT6_HELP_DIR) / name, 1 << 20);
  EXPECT_TRUE(file.ok) << name;
  return SplitLines(file.bytes);
}

// The numbers the dialogs, prompts, tooltips and windows ask for by their description.
const std::set<int> kDescribedNumbers =
    {
        1000, 1030, 1040, 1210, 1500, 1555, 1570, 1580, 1585, 1590, 1595, 1600, 1605, 1610,
        1615, 1670, 1710, 1720, 1725, 1730, 1740, 1750, 1755, 1800, 1810, 1830, 1910, 1920,
        1930, 1935, 1940, 1960, 1970, 1980, 2050, 2055, 2060, 2070, 2080, 2090, 2110, 2120,
        2130, 2140, 2145, 2150, 2160, 2170, 2280, 2310, 2320, 2330, 2340, 2350, 2450, 2500,
        2530, 2710, 2720, 2730, 2750, 2820, 3000, 3010, 3055, 3210, 3400, 5005, 5010, 5040,
        5300, 5310, 5340, 5400, 5410, 6100, 6105, 6110, 6115, 6120, 6130, 6160, 6170, 6180,
        9500, 9510, 9520, 9590, 9620, 9630, 9640, 9650,  // 9610 + 10 k for the four tolerance
                                                         // tables
};

// Every four-digit number on a line of the program's code that speaks of help (help
// numbers, help constants, help buttons, tooltips): a new prompt without an entry fails.
std::set<int> NumbersInTheCode() {
  std::set<int> numbers;
  const std::regex helpLine("help|hilfe|hint", std::regex::icase);
  const std::regex number(R"((^|[^0-9.])([1-9][0-9]{3})(?![0-9.]))");
  for (const char* folder : {"src/app", "src/gui"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(ZT6_SOURCE_DIR) / folder)) {
      if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
      std::ifstream in(entry.path());
      std::string line;
      while (std::getline(in, line)) {
        if (!std::regex_search(line, helpLine)) continue;
        for (std::sregex_iterator it(line.begin(), line.end(), number), end; it != end; ++it) {
          const int n = std::stoi((*it)[2]);
          if (n % 5 == 0) numbers.insert(n);
        }
      }
    }
  }
  return numbers;
}

TEST(ShippedHelp, EveryHelpNumberTheProgramAsksForHasItsEntry) {
  const std::vector<std::string> shared = HelpFileLines("morvane.hlp");
  const std::vector<std::string> own = HelpFileLines("zt6.hlp");
  std::set<int> wanted = kDescribedNumbers;
  const std::set<int> inCode = NumbersInTheCode();
  EXPECT_GT(inCode.size(), 30u);  // the scan found the help numbers of the code
  wanted.insert(inCode.begin(), inCode.end());
  for (const int number : wanted) {
    const HelpEntry entry = FindHelpEntry(number < kSharedHelpLimit ? shared : own, number);
    EXPECT_TRUE(entry.found) << "no help text " << number << " in " << HelpFileName(number);
  }
}

TEST(ShippedHelp, EntriesKeepToTheFormatAndNameImagesThatExist) {
  for (const char* name : {"morvane.hlp", "zt6.hlp", "morvane.en.hlp", "zt6.en.hlp"}) {
    const std::vector<std::string> lines = HelpFileLines(name);
    const std::vector<int> heads = HelpHeadNumbers(lines);
    EXPECT_GT(heads.size(), 10u) << name;
    std::set<int> seen;
    for (const int number : heads) {
      EXPECT_TRUE(seen.insert(number).second) << number << " twice in " << name;
      EXPECT_EQ(number < kSharedHelpLimit, std::string(name).starts_with("morvane")) << number;
      const HelpEntry entry = FindHelpEntry(lines, number);
      EXPECT_FALSE(entry.lines[0].empty()) << number;
      for (const std::string& line : entry.lines)
        EXPECT_LE(line.size(), 80u) << number << ": " << line;
      if (entry.HasImage()) {
        EXPECT_TRUE(fs::exists(fs::path(ZT6_HELP_DIR) / (entry.image + ".plt")))
            << number << " names the image " << entry.image;
      }
    }
    // Every text line belongs to an entry: none is lost after the fifth line.
    std::size_t counted = 0;
    for (const int number : heads) {
      const HelpEntry entry = FindHelpEntry(lines, number);
      int last = 5;
      while (last > 0 && entry.lines[static_cast<std::size_t>(last - 1)].empty()) --last;
      counted += 1 + static_cast<std::size_t>(last);
    }
    const auto firstHead = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.size() >= 4 && std::isdigit(static_cast<unsigned char>(l[0]));
    });
    const std::size_t body = static_cast<std::size_t>(
        std::count_if(firstHead, lines.end(), [](const std::string& l) { return !l.empty(); }));
    EXPECT_EQ(counted, body) << name << ": a text line is outside every entry";
  }
}

TEST(ShippedHelp, TheImageListNamesEachImageWithAShortDescription) {
  for (const auto& [list, suffix] : {std::pair{"ZT6.dbh", ""}, {"ZT6.en.dbh", ".en"}}) {
    const std::vector<std::string> lines = HelpFileLines(list);
    ASSERT_FALSE(lines.empty());
    const std::regex entry(R"re("([^"]{1,8})","([^"]{1,50})")re");
    for (const std::string& line : lines) {
      if (line.empty()) continue;
      std::smatch m;
      ASSERT_TRUE(std::regex_match(line, m, entry)) << line;
      EXPECT_TRUE(fs::exists(fs::path(ZT6_HELP_DIR) / (m[1].str() + suffix + ".plt"))) << line;
    }
  }
}

bool HasUmlaut(std::string_view cp850) {
  return cp850.find_first_of(Oem("äöüÄÖÜß")) != std::string_view::npos;
}

// The English program's help: every German entry has its English one with the same
// image, written in English (no umlaut is left in it); the demonstration has as many
// texts in English as in German, and every help image is drawn with English words too.
TEST(ShippedHelp, EveryGermanEntryHasItsEnglishOne) {
  for (const auto& [german, english] :
       {std::pair{"morvane.hlp", "morvane.en.hlp"}, {"zt6.hlp", "zt6.en.hlp"}}) {
    const std::vector<std::string> de = HelpFileLines(german);
    const std::vector<std::string> en = HelpFileLines(english);
    EXPECT_EQ(HelpHeadNumbers(en), HelpHeadNumbers(de)) << english;
    for (const int number : HelpHeadNumbers(de)) {
      const HelpEntry entry = FindHelpEntry(en, number);
      ASSERT_TRUE(entry.found) << number << " has no English entry in " << english;
      EXPECT_EQ(entry.image, FindHelpEntry(de, number).image) << number;
      for (const std::string& line : entry.lines) EXPECT_FALSE(HasUmlaut(line)) << number << line;
    }
  }
  const auto texts = [](const char* name) {
    const std::vector<std::string> lines = HelpFileLines(name);
    return std::count_if(lines.begin(), lines.end(),
                         [](const std::string& l) { return l.starts_with("-- "); });
  };
  EXPECT_EQ(texts("zt6.en.dem"), texts("zt6.dem"));
  EXPECT_GE(texts("zt6.dem"), 15);
  for (const std::string& line : HelpFileLines("zt6.en.dem")) EXPECT_FALSE(HasUmlaut(line)) << line;
  for (const std::string& line : HelpFileLines("ZT6.en.dbh")) EXPECT_FALSE(HasUmlaut(line)) << line;
  for (const auto& file : fs::directory_iterator(ZT6_HELP_DIR)) {
    const std::string name = file.path().filename().string();
    if (!name.ends_with(".en.plt")) continue;
    const FileContent plot = ReadWholeFile(file.path(), 1 << 20);
    EXPECT_FALSE(HasUmlaut(plot.bytes)) << name;
    EXPECT_NE(
        plot.bytes,
        ReadWholeFile(fs::path(ZT6_HELP_DIR) / (name.substr(0, name.size() - 7) + ".plt"), 1 << 20)
            .bytes)
        << name << " has the German words";
  }
}

}  // namespace
}  // namespace zt6
