#pragma once
// The open current table as a grid model: one row per record in the active order
// (deleted records hidden while the table hides them), one column per field.

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "tables/current_table.h"

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

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  bool IsLogical(int column) const;

  CurrentTable& table_;
  std::vector<std::int64_t> records_;
  bool editable_ = false;
};

}  // namespace zt6::gui
