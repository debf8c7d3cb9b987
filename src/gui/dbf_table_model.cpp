#include "gui/dbf_table_model.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include "base/blanks.h"
#include "base/codepage.h"
#include "gui/qt_text.h"
#include "tables/dbf_error.h"

namespace zt6::gui {

DbfTableModel::DbfTableModel(CurrentTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void DbfTableModel::Reload() {
  beginResetModel();
  records_.clear();
  if (table_.IsOpen() && table_.DbfRecCount() > 0) {
    const std::int64_t current = table_.DbfRecNo();
    table_.DbfGoTop();
    while (!table_.DbfEof()) {
      records_.push_back(table_.DbfRecNo());
      table_.DbfSkip(1);
    }
    if (current >= 1 && current <= table_.DbfRecCount()) table_.DbfGo(current);
  }
  endResetModel();
}

std::int64_t DbfTableModel::RecordAt(int row) const {
  if (row < 0 || row >= static_cast<int>(records_.size())) return 0;
  return records_[static_cast<std::size_t>(row)];
}

int DbfTableModel::RowOf(std::int64_t record) const {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    if (records_[i] == record) return static_cast<int>(i);
  }
  return -1;
}

int DbfTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int DbfTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !table_.IsOpen() ? 0 : table_.DbfFieldCount();
}

bool DbfTableModel::IsLogical(int column) const {
  const DbfColumn* field = table_.FieldByNumber(column + 1);
  return field != nullptr && field->type == 'L';
}

QVariant DbfTableModel::data(const QModelIndex& index, int role) const {
  const std::int64_t record = RecordAt(index.row());
  if (record == 0) return {};
  auto& table = const_cast<CurrentTable&>(table_);
  if (table.DbfRecNo() != record) table.DbfGo(record);
  const int field = index.column() + 1;
  if (role == Qt::FontRole || role == Qt::ForegroundRole) {
    // A record flagged deleted stays in the grid until packing; it must not look kept.
    if (!table.DbfDeleted()) return {};
    if (role == Qt::ForegroundRole) {
      return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
    }
    QFont font;
    font.setStrikeOut(true);
    return font;
  }
  if (IsLogical(index.column())) {
    if (role == Qt::CheckStateRole) {
      const std::optional<std::string> typed = edit_.Text(table_, record, field);
      const bool on = typed ? *typed == "Y" : table.DbfLogical(table.DbfFieldName(field));
      return on ? Qt::Checked : Qt::Unchecked;
    }
    return {};
  }
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    const std::string value = edit_.Text(table_, record, field).value_or(table.DbfField(field));
    // Tables hold Windows texts. The blanks that pad a field are no part of its value;
    // a text keeps its leading blanks for editing.
    const bool text = table.FieldByNumber(field)->type == 'C';
    return FromUtf8(Cp1252ToUtf8(role == Qt::EditRole && text ? TrimBlanksAtEnd(value)
                                                              : TrimBlanks(value)));
  }
  if (role == Qt::TextAlignmentRole) {
    const DbfColumn* column = table.FieldByNumber(field);
    const bool number = column != nullptr && (column->type == 'N' || column->type == 'F');
    return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

QVariant DbfTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return FromUtf8(Cp1252ToUtf8(table_.DbfFieldName(section + 1)));
  // The indicator column marks records flagged deleted.
  const std::int64_t record = RecordAt(section);
  auto& table = const_cast<CurrentTable&>(table_);
  if (record != 0 && table.DbfRecNo() != record) table.DbfGo(record);
  return record != 0 && table.DbfDeleted() ? QString("*") : QString();
}

Qt::ItemFlags DbfTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editable_) f |= IsLogical(index.column()) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
  return f;
}

bool DbfTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const std::int64_t record = RecordAt(index.row());
  if (!editable_ || record == 0) return false;
  const bool logical = IsLogical(index.column());
  if (role != (logical ? Qt::CheckStateRole : Qt::EditRole)) return false;
  const std::string text = logical ? std::string(value.toInt() == Qt::Checked ? "T" : "F")
                                   : Utf8ToCp1252(ToUtf8(value.toString()));
  try {
    if (edit_.Record() != record) Post();  // the values of a record left behind
    edit_.Set(table_, record, index.column() + 1, text);
  } catch (const DbfError& fault) {
    emit EntryRefused(fault.what());
    return false;
  }
  emit dataChanged(index, index);
  return true;
}

void DbfTableModel::Post() {
  const std::int64_t record = edit_.Record();
  if (record == 0) return;
  edit_.Post(table_);
  RecordChanged(record);
}

void DbfTableModel::Drop() {
  const std::int64_t record = edit_.Record();
  edit_.Drop();
  if (record != 0) RecordChanged(record);
}

void DbfTableModel::RecordChanged(std::int64_t record) {
  const int row = RowOf(record);
  if (row >= 0) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

}  // namespace zt6::gui
