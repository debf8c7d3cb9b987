#include "tables/dbf_index.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

#include "tables/dbf_values.h"

namespace zt6 {

namespace {

// Byte-wise comparison as if the shorter text were filled up with blanks, so that
// trailing blanks never decide.
int CompareTexts(std::string_view a, std::string_view b) {
  if (a.size() == b.size()) {  // keys of one field: the usual case, bytes as unsigned
    if (a.empty()) return 0;
    const int order = std::memcmp(a.data(), b.data(), a.size());
    return (order > 0) - (order < 0);
  }
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

DbfIndex DbfIndex::OfTexts(std::string keys, std::size_t width) {
  DbfIndex index;
  index.texts_ = std::move(keys);
  index.width_ = width;
  index.Order(width == 0 ? 0 : index.texts_.size() / width);
  return index;
}

DbfIndex DbfIndex::OfNumbers(std::vector<double> numbers) {
  DbfIndex index;
  index.numeric_ = true;
  index.numbers_ = std::move(numbers);
  index.Order(index.numbers_.size());
  return index;
}

std::string_view DbfIndex::TextOf(std::uint32_t record) const {
  return std::string_view(texts_.data() + (record - 1) * width_, width_);
}

void DbfIndex::Order(std::size_t count) {
  order_.resize(count);
  std::iota(order_.begin(), order_.end(), std::uint32_t{1});
  // Equal keys stay in record order: the record number decides between them.
  if (numeric_) {
    std::sort(order_.begin(), order_.end(), [this](std::uint32_t a, std::uint32_t b) {
      const int order = CompareNumbers(numbers_[a - 1], numbers_[b - 1]);
      return order != 0 ? order < 0 : a < b;
    });
  } else if (!OrderByBytes()) {
    std::sort(order_.begin(), order_.end(), [this](std::uint32_t a, std::uint32_t b) {
      const int order = CompareTexts(TextOf(a), TextOf(b));
      return order != 0 ? order < 0 : a < b;
    });
  }
  positions_.resize(count);
  for (std::size_t p = 0; p < count; ++p) positions_[order_[p] - 1] = static_cast<std::uint32_t>(p);
}

bool DbfIndex::OrderByBytes() {
  // Keys of one width order like their bytes. A stable pass per byte position, the
  // last first, sorts them completely and leaves equal keys in record order; positions
  // where every key has the same byte need no pass. Keys that vary in many places
  // are left to the comparison sort.
  constexpr std::size_t kMostPasses = 16;
  const std::size_t count = order_.size();
  std::vector<std::array<std::uint32_t, 256>> histograms(width_);
  for (std::size_t k = 0; k < count; ++k) {
    const char* key = texts_.data() + k * width_;
    for (std::size_t i = 0; i < width_; ++i) ++histograms[i][static_cast<unsigned char>(key[i])];
  }
  std::vector<std::size_t> varying;
  for (std::size_t i = 0; i < width_; ++i) {
    const auto& h = histograms[i];
    if (std::none_of(h.begin(), h.end(), [count](std::uint32_t n) { return n == count; }))
      varying.push_back(i);
  }
  if (varying.size() > kMostPasses) return false;
  std::vector<std::uint32_t> sorted(count);
  for (auto i = varying.rbegin(); i != varying.rend(); ++i) {
    std::array<std::uint32_t, 256> start{};
    std::uint32_t sum = 0;
    for (std::size_t b = 0; b < 256; ++b) {
      start[b] = sum;
      sum += histograms[*i][b];
    }
    for (const std::uint32_t record : order_) {
      const auto byte = static_cast<unsigned char>(texts_[(record - 1) * width_ + *i]);
      sorted[start[byte]++] = record;
    }
    order_.swap(sorted);
  }
  return true;
}

int DbfIndex::Compare(std::uint32_t record, std::string_view key) const {
  return numeric_ ? CompareNumbers(numbers_[record - 1], NumberOf(key))
                  : CompareTexts(TextOf(record), key);
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
