#include "report/line_builder.h"

#include <algorithm>

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

std::string LineBuilder::Text() const { return buffer_.substr(0, maxWidth_); }

}  // namespace zt6
