#pragma once
// The search order on one field, held in memory: record numbers sorted by the field's
// key, equal keys in record order. Number fields compare by value, the others as
// texts in which trailing blanks do not count.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt6 {

class DbfIndex {
 public:
  // Text keys of one width, one after the other: record k's key at (k - 1) * width
  // (Windows code page). Held in one piece, so a large table sorts in cache.
  static DbfIndex OfTexts(std::string keys, std::size_t width);
  // numbers[k] is the key of record k + 1.
  static DbfIndex OfNumbers(std::vector<double> numbers);

  std::size_t Size() const { return order_.size(); }
  std::uint32_t RecordAt(std::size_t position) const { return order_[position]; }
  std::size_t PositionOf(std::uint32_t record) const { return positions_[record - 1]; }

  // The first position whose key is not below key (Size() when there is none).
  std::size_t LowerBound(std::string_view key) const;
  bool KeyEquals(std::size_t position, std::string_view key) const;

 private:
  DbfIndex() = default;
  std::string_view TextOf(std::uint32_t record) const;
  int Compare(std::uint32_t record, std::string_view key) const;
  void Order(std::size_t count);
  // Sorts text keys byte by byte; false (order untouched) when too many places vary.
  bool OrderByBytes();

  bool numeric_ = false;
  std::string texts_;
  std::size_t width_ = 0;
  std::vector<double> numbers_;
  std::vector<std::uint32_t> order_;
  std::vector<std::uint32_t> positions_;  // records are counted in 32 bits
};

}  // namespace zt6
