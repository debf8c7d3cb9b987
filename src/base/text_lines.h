#pragma once
// The line-per-value text files of the program: lines end with CR LF when written;
// readers take CR LF, LF or a lone CR, so files edited on any system still read.

#include <string>
#include <string_view>
#include <vector>

namespace zt6 {

std::vector<std::string> SplitLines(std::string_view text);

// A text for one line of such a file: CR and LF become blanks, since a line break
// inside a value would shift every value after it.
std::string SingleLine(std::string_view text);

// The text with its ASCII letters in upper case; other bytes unchanged.
std::string AsciiUpper(std::string_view text);

// True when text equals upper, ASCII letters of text compared in upper case.
bool EqualsUpperCased(std::string_view text, std::string_view upper);

// The text without the line ends at its end ("\n", "\r").
std::string WithoutTrailingNewlines(std::string text);

// Consumes lines in order; past the end it yields empty lines and remembers that it
// ran out, which is how shorter files from older versions are told apart.
class LineReader {
 public:
  explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  const std::string& Next();
  bool AtEnd() const { return next_ >= lines_.size(); }
  bool RanPastEnd() const { return ranPastEnd_; }
  std::size_t LinesRead() const { return next_; }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  bool ranPastEnd_ = false;
  std::string empty_;
};

// Collects lines and joins them with CR LF, each line terminated.
class LineWriter {
 public:
  void Line(std::string_view text);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace zt6
