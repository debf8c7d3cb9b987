// One language per program: the report (text, tab-separated, HTML) and all seventeen
// drawings of every bundled example hold, with the English words, no German word of
// the program's own and no umlaut outside what the user typed into the project, and
// with the German words no English word of the vocabulary.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/text_lines.h"
#include "report/vocabulary.h"
#include "support/bundled_examples.h"
#include "support/run_zt6.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::RunZt6Command;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsWordByte(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

// The words of a UTF-8 text: runs of letters (umlauts included).
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (IsWordByte(c)) {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// The words of one language's vocabulary entries that the other's never uses (in
// lower case, at least four letters: "min", "Quick" and "Name" are both languages').
std::set<std::string> OwnWords(bool german) {
  std::set<std::string> own, other;
  for (const auto& [de, en] : VocabularyEntries()) {
    for (const std::string& w : Words(german ? de : en)) own.insert(Lower(w));
    for (const std::string& w : Words(german ? en : de)) other.insert(Lower(w));
  }
  std::set<std::string> words;
  for (const std::string& w : own)
    if (w.size() >= 4 && !other.contains(w)) words.insert(w);
  return words;
}

// The text with every line the user typed into the project taken out (names, numbers,
// material names, information lines, change records), so what is left is the program's.
std::string WithoutUserData(std::string text, const std::string& project) {
  std::vector<std::string> typed;
  const std::vector<std::string> lines = SplitLines(test_support::ExampleBytes(project));
  for (std::size_t i = 5; i < lines.size(); ++i) {  // after the file's own header
    const std::string line = Cp850ToUtf8(lines[i]);
    for (std::size_t start = 0; start <= line.size();) {
      const std::size_t bar = std::min(line.find('|', start), line.size());
      std::string trimmed = line.substr(start, bar - start);
      start = bar + 1;
      trimmed.erase(0, trimmed.find_first_not_of(' '));
      trimmed.erase(trimmed.find_last_not_of(' ') + 1);
      if (trimmed.size() >= 2) typed.push_back(trimmed);
    }
  }
  // The project's own name, which headers and footers show.
  typed.push_back((fs::path(ZT6_DATA_DIR) / "examples" / project).string());
  typed.push_back(fs::path(project).stem().string());
  // Longest first, so that a line is not left in pieces by a shorter one inside it.
  std::sort(typed.begin(), typed.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& t : typed)
    for (std::size_t at = text.find(t); at != std::string::npos; at = text.find(t, at))
      text.replace(at, t.size(), " ");
  return text;
}

// What the program wrote of the other language: its own words, and for English any
// umlaut or sharp s.
std::vector<std::string> ForeignWords(const std::string& utf8, bool english) {
  static const std::set<std::string> german = OwnWords(true);
  static const std::set<std::string> englishWords = OwnWords(false);
  const std::set<std::string>& foreign = english ? german : englishWords;
  std::vector<std::string> found;
  for (const std::string& w : Words(utf8)) {
    const bool umlaut =
        english && (w.find("ä") != std::string::npos || w.find("ö") != std::string::npos ||
                    w.find("ü") != std::string::npos || w.find("Ä") != std::string::npos ||
                    w.find("Ö") != std::string::npos || w.find("Ü") != std::string::npos ||
                    w.find("ß") != std::string::npos);
    if (umlaut || foreign.contains(Lower(w))) found.push_back(w);
  }
  return found;
}

// The text of an HTML page without its tags.
std::string WithoutMarkup(const std::string& html) {
  std::string text;
  bool inTag = false;
  for (const char c : html) {
    if (c == '<') inTag = true;
    if (!inTag) text += c;
    if (c == '>') inTag = false;
    if (c == '>' || c == '<') text += ' ';
  }
  return text;
}

// The texts of an SVG drawing, entities decoded.
std::string SvgTexts(const std::string& svg) {
  std::string texts;
  for (std::size_t at = svg.find("<text"); at != std::string::npos; at = svg.find("<text", at)) {
    const std::size_t open = svg.find('>', at);
    const std::size_t close = svg.find("</text>", open);
    if (open == std::string::npos || close == std::string::npos) break;
    std::string t = svg.substr(open + 1, close - open - 1);
    for (const auto& [entity, c] : {std::pair{"&amp;", "&"},
                                    {"&lt;", "<"},
                                    {"&gt;", ">"},
                                    {"&quot;", "\""},
                                    {"&apos;", "'"}}) {
      for (std::size_t e = t.find(entity); e != std::string::npos; e = t.find(entity, e))
        t.replace(e, std::string_view(entity).size(), c);
    }
    texts += t + "\n";
    at = close;
  }
  return texts;
}

class OneLanguage : public testing::TestWithParam<std::string> {
 protected:
  std::string Project() const {
    return (fs::path(ZT6_DATA_DIR) / "examples" / GetParam()).string();
  }
};

TEST_P(OneLanguage, TheReportSpeaksOnlyTheLanguageAskedFor) {
  for (const int language : {1, 2}) {
    for (const std::string form : {"text", "tsv", "html"}) {
      const auto outcome = RunZt6Command(
          {"report", Project(), "--language", std::to_string(language), "--format", form});
      ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
      // The HTML page is Windows-1252, the others UTF-8; its markup is no word of either.
      const std::string utf8 =
          form == "html" ? WithoutMarkup(Cp1252ToUtf8(outcome.out)) : outcome.out;
      const std::vector<std::string> foreign =
          ForeignWords(WithoutUserData(utf8, GetParam()), language == 2);
      EXPECT_TRUE(foreign.empty())
          << form << " language " << language << ": " << testing::PrintToString(foreign);
    }
  }
}

TEST_P(OneLanguage, EveryDrawingSpeaksOnlyTheLanguageAskedFor) {
  for (const int language : {1, 2}) {
    for (int drawing = 1; drawing <= 17; ++drawing) {
      const auto outcome =
          RunZt6Command({"cad", Project(), "--drawing", std::to_string(drawing), "--format", "svg",
                         "--language", std::to_string(language)});
      ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
      const std::string texts = SvgTexts(outcome.out);
      ASSERT_FALSE(texts.empty()) << "drawing " << drawing;
      const std::vector<std::string> foreign =
          ForeignWords(WithoutUserData(texts, GetParam()), language == 2);
      EXPECT_TRUE(foreign.empty()) << "drawing " << drawing << " language " << language << ": "
                                   << testing::PrintToString(foreign);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BundledExamples, OneLanguage, test_support::BundledExamples(),
                         test_support::ExampleTestName);

// The word lists themselves are what the checks above stand on.
TEST(OneLanguageWords, EachLanguageHasWordsTheOtherNeverUses) {
  const std::set<std::string> german = OwnWords(true);
  const std::set<std::string> english = OwnWords(false);
  for (const char* w : {"welle", "nabe", "werkstoff", "zahndicke", "toleranz", "sicherheit"})
    EXPECT_TRUE(german.contains(w)) << w;
  for (const char* w : {"shaft", "material", "safety", "tolerance", "actual", "effective"})
    EXPECT_TRUE(english.contains(w)) << w;
  EXPECT_FALSE(german.contains("quick"));
  EXPECT_EQ(ForeignWords("Nabe Maß", true), (std::vector<std::string>{"Nabe", "Maß"}));
  EXPECT_EQ(ForeignWords("Welle shaft", false), (std::vector<std::string>{"shaft"}));
}

}  // namespace
}  // namespace zt6
