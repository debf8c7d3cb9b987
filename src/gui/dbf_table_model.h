#pragma once
// The open current table as a grid model: one row per record in the active order
// (deleted records hidden while the table hides them, otherwise struck through and
// grey), one column per field. Typed values wait in the record's edit until the window
// posts or drops it; a value its field cannot hold is refused.

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include <string>

#include "tables/current_table.h"
#include "tables/record_edit.h"

namespace zt6::gui {

class DbfTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit DbfTableModel(CurrentTable& table, QObject* parent = nullptr);

  // Reads the record order again (after sorting, appending, packing).
  void Reload();
  void SetEditable(bool editable) { editable_ = editable; }
  std::int64_t RecordAt(int row) const;
  int RowOf(std::int64_t record) const;  // -1 when not shown

  // The record typed into and not yet written; 0 when none.
  std::int64_t EditedRecord() const { return edit_.Record(); }
  // Writes the typed values into the table; throws DbfError when that fails.
  void Post();
  void Drop();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  // A typed value was not taken; why names the field (Windows code page).
  void EntryRefused(const std::string& why);

 private:
  bool IsLogical(int column) const;
  void RecordChanged(std::int64_t record);

  CurrentTable& table_;
  std::vector<std::int64_t> records_;
  bool editable_ = false;
  RecordEdit edit_;
};

}  // namespace zt6::gui
