#pragma once
// Builds one fixed-width report line in a buffer of blanks. Fields go in by insertion,
// never by overwriting: what stands after the insertion point moves right, and the
// finished line is cut to its maximum width; a number the cut falls into shows the
// overflow mark (base/number_format.h) instead. Trailing blanks are kept.

#include <cstddef>
#include <string>
#include <string_view>

namespace zt6 {

class LineBuilder {
 public:
  // A buffer of `blanks` blanks, cut to maxWidth when taken.
  explicit LineBuilder(std::size_t blanks, std::size_t maxWidth = 72);

  // Inserts text at the 1-based column; beyond the end it is appended.
  LineBuilder& Insert(std::size_t column, std::string_view text);
  // Inserts like Insert, but never inside the field placed before: a field longer
  // than the gap to the next column pushes that column's field to the right.
  LineBuilder& Place(std::size_t column, std::string_view text);

  std::string Text() const;

 private:
  std::string buffer_;
  std::size_t maxWidth_;
  std::size_t placedEnd_ = 0;  // 0-based end of the last placed field
};

}  // namespace zt6
