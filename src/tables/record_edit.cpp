#include "tables/record_edit.h"

#include "tables/dbf_error.h"
#include "tables/dbf_values.h"

namespace zt6 {

namespace {

const DbfColumn& Column(const CurrentTable& table, int field) {
  const DbfColumn* column = table.FieldByNumber(field);
  if (column == nullptr) throw DbfError("Feldnummer " + std::to_string(field) + " unbekannt");
  return *column;
}

}  // namespace

void RecordEdit::Set(const CurrentTable& table, std::int64_t record, int field,
                     std::string_view text) {
  if (record_ != 0 && record != record_) {
    throw DbfError("Satz " + std::to_string(record_) + " ist noch nicht gespeichert");
  }
  (void)StoredTypedText(Column(table, field), text);
  record_ = record;
  typed_[field] = std::string(text);
}

std::optional<std::string> RecordEdit::Text(const CurrentTable& table, std::int64_t record,
                                            int field) const {
  if (record != record_) return std::nullopt;
  const auto typed = typed_.find(field);
  if (typed == typed_.end()) return std::nullopt;
  const DbfColumn& column = Column(table, field);
  return FieldTextForm(column, StoredTypedText(column, typed->second));
}

void RecordEdit::Post(CurrentTable& table) {
  if (record_ == 0) return;
  table.DbfGo(record_);
  for (const auto& [field, text] : typed_) table.DbfReplaceText(table.DbfFieldName(field), text);
  table.DbfWriteRecord();
  Drop();
}

void RecordEdit::Drop() {
  record_ = 0;
  typed_.clear();
}

}  // namespace zt6
