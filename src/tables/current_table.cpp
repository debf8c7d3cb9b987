#include "tables/current_table.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "base/safe_file.h"
#include "tables/dbf_delimited.h"
#include "tables/dbf_error.h"
#include "tables/dbf_file.h"
#include "tables/dbf_index.h"
#include "tables/dbf_messages.h"
#include "tables/dbf_values.h"
#include "tables/table_file_writer.h"
#include "tables/table_open.h"

namespace zt6 {

namespace {

constexpr std::size_t kMaxNameLength = 10;

std::string LookupName(std::string_view name) {
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::string key(
      name.substr(first, name.find_last_not_of(' ') - first + 1).substr(0, kMaxNameLength));
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return a == b || std::filesystem::equivalent(a, b, ec);
}

[[noreturn]] void WriteFailed(const std::string& path, const std::string& why) {
  throw DbfError("Datei " + PathText(path) + " konnte nicht geschrieben werden (" + why + ")");
}

}  // namespace

// The open table and where it stands. Past the last record (and in an empty table)
// the record number is count + 1, the end flag is set and the buffer is a blank record.
struct CurrentTable::State {
  bool open = false;
  DbfFile table;
  std::int64_t recNo = 0;
  bool eof = true;
  bool bof = true;
  std::string buffer;
  bool found = false;
  std::optional<DbfIndex> index;
  int indexField = 0;
  bool hideDeleted = false;
  bool headerPending = false;  // records changed in place since the header was written

  std::int64_t Count() const { return static_cast<std::int64_t>(table.Count()); }
  const DbfLayout& Layout() const { return table.layout; }
  std::string_view Record(std::int64_t k) const {
    return table.Record(static_cast<std::size_t>(k));
  }
  std::uint64_t RecordOffset(std::int64_t k) const {
    return Layout().headerLength + static_cast<std::uint64_t>(k - 1) * Layout().recordLength;
  }
  std::string Blank() const { return std::string(Layout().recordLength, ' '); }

  std::size_t OrderSize() const { return table.Count(); }
  std::int64_t RecordAt(std::size_t position) const {
    return index ? index->RecordAt(position) : static_cast<std::int64_t>(position) + 1;
  }
  std::size_t PositionOf(std::int64_t record) const {
    if (record > Count()) return OrderSize();
    return index ? index->PositionOf(static_cast<std::uint32_t>(record))
                 : static_cast<std::size_t>(record - 1);
  }
  bool Visible(std::int64_t record) const { return !hideDeleted || Record(record).front() != '*'; }

  void Land(std::int64_t record) {
    recNo = record;
    eof = false;
    bof = false;
    buffer = std::string(Record(record));
  }
  void LandPastEnd() {
    recNo = Count() + 1;
    eof = true;
    bof = false;
    buffer = Blank();
  }

  void LandOnLast() {
    if (Count() > 0) {
      Land(Count());
    } else {
      LandPastEnd();
    }
  }

  void GoTop() {
    for (std::size_t p = 0; p < OrderSize(); ++p) {
      if (Visible(RecordAt(p))) return Land(RecordAt(p));
    }
    LandPastEnd();
    bof = true;
  }
  void GoBottom() {
    for (std::size_t p = OrderSize(); p-- > 0;) {
      if (Visible(RecordAt(p))) return Land(RecordAt(p));
    }
    LandPastEnd();
    bof = true;
  }
  bool StepForward() {
    for (std::size_t p = PositionOf(recNo) + 1; p < OrderSize(); ++p) {
      if (Visible(RecordAt(p))) {
        Land(RecordAt(p));
        return true;
      }
    }
    LandPastEnd();
    return false;
  }
  bool StepBack() {
    for (std::size_t p = PositionOf(recNo); p-- > 0;) {
      if (Visible(RecordAt(p))) {
        Land(RecordAt(p));
        return true;
      }
    }
    GoTop();
    bof = true;
    return false;
  }

  // The first shown record at or after the key's place in the order. A search that
  // finds nothing leaves the current record where it was, so a pick window opened
  // after it shows a real row.
  bool Seek(std::string_view key, bool exact) {
    std::size_t p = index->LowerBound(key);
    while (p < OrderSize() && !Visible(RecordAt(p)) && (!exact || index->KeyEquals(p, key))) ++p;
    const bool hit = p < OrderSize() && (!exact || index->KeyEquals(p, key));
    if (hit) Land(RecordAt(p));
    return hit;
  }

  void BuildIndex(int field) {
    const DbfColumn& column = Layout().columns[static_cast<std::size_t>(field - 1)];
    const bool numeric = column.type == 'N' || column.type == 'F';
    const auto offset = static_cast<std::size_t>(column.offset);
    const auto width = static_cast<std::size_t>(column.length);
    if (numeric) {
      std::vector<double> numbers;
      numbers.reserve(table.Count());
      for (std::int64_t k = 1; k <= Count(); ++k)
        numbers.push_back(NumberOf(Record(k).substr(offset, width)));
      index = DbfIndex::OfNumbers(std::move(numbers));
    } else {
      // The keys in the Windows code page: a byte for a byte, so every key keeps the width.
      std::string keys;
      keys.reserve(table.Count() * width);
      for (std::int64_t k = 1; k <= Count(); ++k) keys += StoredToWindows(Record(k).substr(offset, width));
      index = DbfIndex::OfTexts(std::move(keys), width);
    }
    indexField = field;
  }
  void RefreshIndex() {
    if (index) BuildIndex(indexField);
  }

  // Replaces the whole file by the header, these records and the end byte, safely;
  // memory follows only when the file was written.
  void Rewrite(std::string records) {
    const std::size_t count = records.size() / Layout().recordLength;
    if (count > MaxRecordCount(Layout().dialect)) {
      throw DbfError(WindowsText("Zu viele Datensätze für diese Tabelle"));
    }
    std::string header = table.header;
    StampHeader(header, Layout().dialect, static_cast<std::uint32_t>(count), Today());
    std::string bytes = header + records + kDbfEndOfFile;
    if (bytes.size() > kMaxTableBytes) {
      throw DbfError(WindowsText("Tabelle würde größer als ") +
                     std::to_string(kMaxTableBytes >> 20) + " MiB");
    }
    const SafeWriteResult written = WriteFileSafely(table.path, bytes);
    if (!written.ok) WriteFailed(table.path, written.error);
    table.header = std::move(header);
    table.records = std::move(records);
    table.layout.recordCount = static_cast<std::uint32_t>(count);
    headerPending = false;
    RefreshIndex();
  }
};

CurrentTable::CurrentTable(RunMessages& messages)
    : messages_(messages), state_(std::make_unique<State>()) {}

CurrentTable::~CurrentTable() {
  try {
    DbfClose();
  } catch (const DbfError&) {
    // Nobody is left to tell; the records themselves are written already.
  }
}

DbfUseResult CurrentTable::DbfUse(const std::string& name, const TableFolders& folders,
                                  TableUse use) {
  try {
    DbfClose();
  } catch (const DbfError&) {
    // The previous table's header upkeep failed; its records are written already.
  }
  const TableLocation location = LocateTableForUse(name, folders, use);
  if (!location.ok) return {false, location.error};
  try {
    DbfUsePath(location.path);
  } catch (const DbfError& fault) {
    return {false, fault.what()};
  }
  return {true, {}};
}

void CurrentTable::DbfUsePath(const std::string& path) {
  DbfClose();
  DbfFile table = LoadDbfFile(path);
  const bool hide = state_->hideDeleted;
  *state_ = State{};
  state_->hideDeleted = hide;
  state_->table = std::move(table);
  state_->open = true;
  if (state_->Count() > 0) {
    state_->Land(1);
  } else {
    state_->LandPastEnd();
    state_->bof = true;
  }
}

bool CurrentTable::IsOpen() const { return state_->open; }

const std::string& CurrentTable::Path() const { return state_->table.path; }

bool CurrentTable::IsTableFile(const std::string& path) const {
  return state_->open && SameFile(path, state_->table.path);
}

void CurrentTable::DbfClose() {
  if (!state_->open) return;
  const bool pending = state_->headerPending;
  const bool hide = state_->hideDeleted;
  DbfFile table = std::move(state_->table);
  *state_ = State{};
  state_->hideDeleted = hide;
  if (!pending) return;
  std::string header = table.header;
  StampHeader(header, table.layout.dialect, table.layout.recordCount, Today());
  TableFileWriter writer(table.path);
  writer.WriteAt(0, std::string_view(header).substr(0, StampLength(table.layout.dialect)));
}

namespace {

void RequireOpen(bool open) {
  if (!open) throw DbfError(WindowsText("Keine Tabelle geöffnet"));
}

}  // namespace

void CurrentTable::DbfGo(std::int64_t n) {
  RequireOpen(state_->open);
  const std::int64_t count = state_->Count();
  if (n > count) {
    messages_.Add("DBF #" + std::to_string(n) + " not found.");
    n = count;
  }
  if (n < 1) n = 1;
  if (n > count) {
    state_->LandPastEnd();
  } else {
    state_->Land(n);
  }
}

void CurrentTable::DbfGoTop() {
  RequireOpen(state_->open);
  state_->GoTop();
}

void CurrentTable::DbfGoBottom() {
  RequireOpen(state_->open);
  state_->GoBottom();
}

void CurrentTable::DbfSkip(std::int64_t n) {
  RequireOpen(state_->open);
  if (n == 0) {
    if (state_->recNo <= state_->Count())
      state_->buffer = std::string(state_->Record(state_->recNo));
    return;
  }
  // Each step moves at least one place in the order, so the loops end at either end.
  for (; n > 0; --n) {
    if (!state_->StepForward()) return;
  }
  for (; n < 0; ++n) {
    if (!state_->StepBack()) return;
  }
}

bool CurrentTable::DbfEof() const { return state_->eof; }
bool CurrentTable::DbfBof() const { return state_->bof; }
std::int64_t CurrentTable::DbfRecNo() const { return state_->open ? state_->recNo : 0; }
std::int64_t CurrentTable::DbfRecCount() const { return state_->open ? state_->Count() : 0; }

int CurrentTable::DbfFieldCount() const {
  return state_->open ? static_cast<int>(state_->Layout().columns.size()) : 0;
}

const DbfColumn* CurrentTable::FieldByNumber(int n) const {
  if (n < 1 || n > DbfFieldCount()) return nullptr;
  return &state_->Layout().columns[static_cast<std::size_t>(n - 1)];
}

std::string CurrentTable::DbfFieldName(int n) const {
  const DbfColumn* column = FieldByNumber(n);
  return column ? column->name : std::string();
}

int CurrentTable::DbfFieldLen(int n) const {
  const DbfColumn* column = FieldByNumber(n);
  return column ? column->length : 0;
}

int CurrentTable::FieldNumber(std::string_view name) const {
  const std::string key = LookupName(name);
  for (int n = 1; n <= DbfFieldCount(); ++n) {
    // Names of more than ten characters (dBASE 7) answer to their first ten.
    if (state_->Layout().columns[static_cast<std::size_t>(n - 1)].name.substr(0, kMaxNameLength) ==
        key)
      return n;
  }
  return 0;
}

namespace {

const DbfColumn& ColumnOrThrow(const CurrentTable& table, std::string_view name) {
  const DbfColumn* column = table.FieldByNumber(table.FieldNumber(name));
  if (column == nullptr) throw DbfError("Feld " + LookupName(name) + " nicht gefunden");
  return *column;
}

std::string_view Slice(const std::string& record, const DbfColumn& column) {
  return std::string_view(record).substr(static_cast<std::size_t>(column.offset),
                                         static_cast<std::size_t>(column.length));
}

}  // namespace

std::string CurrentTable::DbfField(int n) const {
  RequireOpen(state_->open);
  const DbfColumn* column = FieldByNumber(n);
  if (column == nullptr) {
    throw DbfError("Feldnummer " + std::to_string(n) + " nicht in 1.." +
                   std::to_string(DbfFieldCount()));
  }
  return FieldTextForm(*column, Slice(state_->buffer, *column));
}

bool CurrentTable::DbfLogical(std::string_view fieldName) const {
  RequireOpen(state_->open);
  return IsTrue(Slice(state_->buffer, ColumnOrThrow(*this, fieldName)).front());
}

bool CurrentTable::DbfDeleted() const { return state_->open && state_->buffer.front() == '*'; }

void CurrentTable::SetHideDeleted(bool hide) { state_->hideDeleted = hide; }

namespace {

void PutIntoBuffer(std::string& buffer, const DbfColumn& column, const std::string& stored) {
  buffer.replace(static_cast<std::size_t>(column.offset), static_cast<std::size_t>(column.length),
                 stored);
}

}  // namespace

void CurrentTable::DbfReplaceText(std::string_view fieldName, std::string_view text) {
  RequireOpen(state_->open);
  const DbfColumn& column = ColumnOrThrow(*this, fieldName);
  PutIntoBuffer(state_->buffer, column, StoredText(column, text));
}

void CurrentTable::DbfReplaceInteger(std::string_view fieldName, std::int64_t value) {
  RequireOpen(state_->open);
  const DbfColumn& column = ColumnOrThrow(*this, fieldName);
  PutIntoBuffer(state_->buffer, column, StoredInteger(column, value));
}

void CurrentTable::DbfReplaceReal(std::string_view fieldName, double value) {
  RequireOpen(state_->open);
  const DbfColumn& column = ColumnOrThrow(*this, fieldName);
  PutIntoBuffer(state_->buffer, column, StoredReal(column, value));
}

void CurrentTable::DbfReplaceLogical(std::string_view fieldName, bool value) {
  RequireOpen(state_->open);
  const DbfColumn& column = ColumnOrThrow(*this, fieldName);
  PutIntoBuffer(state_->buffer, column, StoredLogical(column, value));
}

void CurrentTable::DbfBlankBuffer() {
  RequireOpen(state_->open);
  state_->buffer = state_->Blank();
}

bool CurrentTable::DbfAppendRecord() {
  RequireOpen(state_->open);
  State& s = *state_;
  const std::int64_t count = s.Count();
  if (count >= static_cast<std::int64_t>(MaxRecordCount(s.Layout().dialect))) {
    throw DbfError(WindowsText("Zu viele Datensätze für diese Tabelle"));
  }
  std::string record = s.buffer;
  record.front() = ' ';
  std::string header = s.table.header;
  StampHeader(header, s.Layout().dialect, static_cast<std::uint32_t>(count + 1), Today());

  TableFileWriter writer(s.table.path);
  if (!writer.TryLock()) return false;
  // The header goes last: until it counts the new record, the file is the old table.
  writer.WriteAt(s.RecordOffset(count + 1), record + kDbfEndOfFile);
  writer.WriteAt(0, std::string_view(header).substr(0, StampLength(s.Layout().dialect)));

  s.table.header = std::move(header);
  s.table.records += record;
  ++s.table.layout.recordCount;
  s.headerPending = false;
  s.RefreshIndex();
  s.Land(count + 1);
  return true;
}

namespace {

void RequireRecord(const CurrentTable& table) {
  RequireOpen(table.IsOpen());
  if (table.DbfRecNo() < 1 || table.DbfRecNo() > table.DbfRecCount()) {
    throw DbfError("Satznummer " + std::to_string(table.DbfRecNo()) + " nicht in 1.." +
                   std::to_string(table.DbfRecCount()));
  }
}

}  // namespace

void CurrentTable::DbfWriteRecord() {
  RequireRecord(*this);
  State& s = *state_;
  TableFileWriter(s.table.path).WriteAt(s.RecordOffset(s.recNo), s.buffer);
  s.table.records.replace(
      static_cast<std::size_t>(s.RecordOffset(s.recNo) - s.Layout().headerLength), s.buffer.size(),
      s.buffer);
  s.headerPending = true;
  s.RefreshIndex();
}

void CurrentTable::DbfDelete(bool deleted) {
  RequireRecord(*this);
  State& s = *state_;
  std::string record(s.Record(s.recNo));
  record.front() = deleted ? '*' : ' ';
  TableFileWriter(s.table.path).WriteAt(s.RecordOffset(s.recNo), record);
  s.table.records.replace(
      static_cast<std::size_t>(s.RecordOffset(s.recNo) - s.Layout().headerLength), record.size(),
      record);
  s.buffer.front() = record.front();
  s.headerPending = true;
}

void CurrentTable::DbfIndexOn(std::string_view expression, std::string_view /*indexName*/) {
  RequireOpen(state_->open);
  const int field = FieldNumber(expression);
  if (field == 0)
    throw DbfError("Indexausdruck " + std::string(expression) + ": Feld nicht gefunden");
  state_->BuildIndex(field);
  state_->GoTop();
}

void CurrentTable::DbfClearIndex() {
  RequireOpen(state_->open);
  state_->index.reset();
}

bool CurrentTable::DbfFind(std::string_view key) {
  RequireOpen(state_->open);
  if (!state_->index) {
    throw DbfError(
        WindowsText("Find() mit Index-Ordnung 0 (natürliche Ordnung) nicht erlaubt [Find]"));
  }
  state_->found = state_->Seek(key, true);
  if (!state_->found && key.find('.') != std::string_view::npos) {
    std::string withCommas(key);
    for (char& c : withCommas)
      if (c == '.') c = ',';
    state_->found = state_->Seek(withCommas, true);
  }
  return state_->found;
}

bool CurrentTable::DbfFindNear(std::string_view key) {
  RequireOpen(state_->open);
  if (!state_->index) {
    throw DbfError(
        WindowsText("Find() mit Index-Ordnung 0 (natürliche Ordnung) nicht erlaubt [Find]"));
  }
  state_->found = state_->Seek(key, false);
  return state_->found;
}

bool CurrentTable::DbfFound() const { return state_->found; }

void CurrentTable::DbfPack() {
  RequireOpen(state_->open);
  State& s = *state_;
  std::string kept;
  kept.reserve(s.table.records.size());
  for (std::int64_t k = 1; k <= s.Count(); ++k) {
    if (s.Record(k).front() != '*') kept += s.Record(k);
  }
  s.Rewrite(std::move(kept));
  s.GoTop();
}

void CurrentTable::DbfAppendFrom(const std::string& otherTablePath) {
  RequireOpen(state_->open);
  State& s = *state_;
  if (SameFile(otherTablePath, s.table.path)) {
    throw DbfError(WindowsText("Eine Tabelle kann nicht an sich selbst angehängt werden"));
  }
  const DbfFile other = LoadDbfFile(otherTablePath);
  const std::vector<DbfColumn>& columns = s.Layout().columns;
  std::vector<const DbfColumn*> partners;
  for (const DbfColumn& column : columns) {
    const DbfColumn* partner = nullptr;
    for (const DbfColumn& candidate : other.layout.columns) {
      if (candidate.name == column.name) {
        partner = &candidate;
        break;
      }
    }
    partners.push_back(partner);
  }
  std::string records = s.table.records;
  for (std::size_t k = 1; k <= other.Count(); ++k) {
    const std::string_view source = other.Record(k);
    std::string record = s.Blank();
    // A record deleted over there stays marked, so packing removes it here as well.
    record.front() = source.front() == '*' ? '*' : ' ';
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (partners[i] == nullptr) continue;
      const std::string_view value = source.substr(static_cast<std::size_t>(partners[i]->offset),
                                                   static_cast<std::size_t>(partners[i]->length));
      PutIntoBuffer(record, columns[i], ConvertedValue(columns[i], *partners[i], value));
    }
    records += record;
  }
  s.Rewrite(std::move(records));
  s.LandOnLast();
}

void CurrentTable::DbfAppendFromDelimited(const std::string& textPath) {
  RequireOpen(state_->open);
  State& s = *state_;
  const FileContent text = ReadWholeFile(textPath, kMaxTableBytes);
  if (!text.ok) throw DbfError(NotFoundText(textPath));
  s.Rewrite(s.table.records +
            RecordsFromDelimited(s.Layout().columns, s.Layout().recordLength, text.bytes));
  s.LandOnLast();
}

void CurrentTable::DbfCopyToDelimited(const std::string& textPath) const {
  RequireOpen(state_->open);
  const State& s = *state_;
  if (IsTableFile(textPath)) {
    throw DbfError(WindowsText("Eine Tabelle kann nicht über sich selbst geschrieben werden"));
  }
  std::string text;
  for (std::int64_t k = 1; k <= s.Count(); ++k)
    text += DelimitedLine(s.Layout().columns, s.Record(k));
  text += kDelimitedEnd;
  const SafeWriteResult written = WriteFileSafely(textPath, text);
  if (!written.ok) WriteFailed(textPath, written.error);
}

}  // namespace zt6
