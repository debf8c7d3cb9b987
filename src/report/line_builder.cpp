#include "report/line_builder.h"

#include <algorithm>

#include "base/number_format.h"

namespace zt6 {

LineBuilder::LineBuilder(std::size_t blanks, std::size_t maxWidth)
    : buffer_(blanks, ' '), maxWidth_(maxWidth) {}

LineBuilder& LineBuilder::Insert(std::size_t column, std::string_view text) {
  const std::size_t at = std::min(column == 0 ? 0 : column - 1, buffer_.size());
  buffer_.insert(at, text);
  placedEnd_ = at + text.size();
  return *this;
}

LineBuilder& LineBuilder::Place(std::size_t column, std::string_view text) {
  return Insert(std::max(column, placedEnd_ + 1), text);
}

std::string LineBuilder::Text() const {
  std::string line = buffer_.substr(0, maxWidth_);
  // A number the line's end cuts into shows the overflow mark, never fewer digits.
  if (buffer_.size() <= maxWidth_ || buffer_[maxWidth_] == ' ' || line.empty() ||
      line.back() == ' ')
    return line;
  const std::size_t blank = line.find_last_of(' ');
  const std::size_t start = blank == std::string::npos ? 0 : blank + 1;
  const std::size_t end = std::min(buffer_.find(' ', maxWidth_), buffer_.size());
  if (IsNumberText(std::string_view(buffer_).substr(start, end - start)))
    line.replace(start, line.size() - start, OverflowMark(line.size() - start));
  return line;
}

}  // namespace zt6
