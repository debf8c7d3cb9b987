#include "tables/dbf_index.h"

#include <algorithm>
#include <numeric>

#include "tables/dbf_values.h"

namespace zt6 {

namespace {

// Byte-wise comparison as if the shorter text were filled up with blanks, so that
// trailing blanks never decide.
int CompareTexts(std::string_view a, std::string_view b) {
  const std::size_t length = std::max(a.size(), b.size());
  for (std::size_t i = 0; i < length; ++i) {
    const auto x = static_cast<unsigned char>(i < a.size() ? a[i] : ' ');
    const auto y = static_cast<unsigned char>(i < b.size() ? b[i] : ' ');
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

int CompareNumbers(double a, double b) { return a < b ? -1 : (b < a ? 1 : 0); }

}  // namespace

DbfIndex::DbfIndex(bool numeric, std::vector<std::string> keys) : numeric_(numeric) {
  if (numeric_) {
    numbers_.reserve(keys.size());
    for (const std::string& key : keys) numbers_.push_back(NumberOf(key));
  } else {
    texts_ = std::move(keys);
  }
  const std::size_t count = numeric_ ? numbers_.size() : texts_.size();
  order_.resize(count);
  std::iota(order_.begin(), order_.end(), std::uint32_t{1});
  std::stable_sort(order_.begin(), order_.end(), [this](std::uint32_t a, std::uint32_t b) {
    return numeric_ ? numbers_[a - 1] < numbers_[b - 1]
                    : CompareTexts(texts_[a - 1], texts_[b - 1]) < 0;
  });
  positions_.resize(count);
  for (std::size_t p = 0; p < count; ++p) positions_[order_[p] - 1] = p;
}

int DbfIndex::Compare(std::size_t record, std::string_view key) const {
  return numeric_ ? CompareNumbers(numbers_[record - 1], NumberOf(key))
                  : CompareTexts(texts_[record - 1], key);
}

std::size_t DbfIndex::LowerBound(std::string_view key) const {
  const auto it = std::partition_point(
      order_.begin(), order_.end(), [&](std::uint32_t record) { return Compare(record, key) < 0; });
  return static_cast<std::size_t>(it - order_.begin());
}

bool DbfIndex::KeyEquals(std::size_t position, std::string_view key) const {
  return position < order_.size() && Compare(order_[position], key) == 0;
}

}  // namespace zt6
