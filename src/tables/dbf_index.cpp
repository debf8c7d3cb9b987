#include "tables/dbf_index.h"

#include <algorithm>
#include <cstring>

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
  // Sorted as 16-byte entries of leading key bytes and record side by side: most
  // comparisons are then of numbers in cache, and only keys longer than the lead look
  // at the rest. Equal keys stay in record order: the record number decides.
  constexpr std::size_t kLead = 12;
  struct Entry {
    std::uint64_t lead;   // key bytes 1..8, big-endian, blank-filled
    std::uint32_t lead2;  // key bytes 9..12
    std::uint32_t record;
  };
  std::vector<Entry> entries;
  entries.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    Entry entry{0, 0, static_cast<std::uint32_t>(k + 1)};
    if (!numeric_) {
      const std::string_view text = TextOf(entry.record);
      const auto byte = [&text](std::size_t i) -> unsigned {
        return static_cast<unsigned char>(i < text.size() ? text[i] : ' ');
      };
      for (std::size_t i = 0; i < 8; ++i) entry.lead = (entry.lead << 8) | byte(i);
      for (std::size_t i = 8; i < kLead; ++i) entry.lead2 = (entry.lead2 << 8) | byte(i);
    }
    entries.push_back(entry);
  }
  std::sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
    int order = 0;
    if (numeric_) {
      order = CompareNumbers(numbers_[a.record - 1], numbers_[b.record - 1]);
    } else if (a.lead != b.lead) {
      return a.lead < b.lead;
    } else if (a.lead2 != b.lead2) {
      return a.lead2 < b.lead2;
    } else if (width_ > kLead) {
      order = CompareTexts(TextOf(a.record).substr(kLead), TextOf(b.record).substr(kLead));
    }
    return order != 0 ? order < 0 : a.record < b.record;
  });
  order_.resize(count);
  positions_.resize(count);
  for (std::size_t p = 0; p < count; ++p) {
    order_[p] = entries[p].record;
    positions_[order_[p] - 1] = static_cast<std::uint32_t>(p);
  }
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
