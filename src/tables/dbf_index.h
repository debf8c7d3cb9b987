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
  // keys[k] is the key text of record k + 1 (Windows code page).
  DbfIndex(bool numeric, std::vector<std::string> keys);

  std::size_t Size() const { return order_.size(); }
  std::uint32_t RecordAt(std::size_t position) const { return order_[position]; }
  std::size_t PositionOf(std::uint32_t record) const { return positions_[record - 1]; }

  // The first position whose key is not below key (Size() when there is none).
  std::size_t LowerBound(std::string_view key) const;
  bool KeyEquals(std::size_t position, std::string_view key) const;

 private:
  int Compare(std::size_t record, std::string_view key) const;

  bool numeric_;
  std::vector<std::string> texts_;
  std::vector<double> numbers_;
  std::vector<std::uint32_t> order_;
  std::vector<std::size_t> positions_;
};

}  // namespace zt6
