#pragma once
// The one table object of a run: at most one dBASE table open at a time, one current
// record, an optional temporary index on one field. Every lookup opens its table,
// reads and closes it again. Texts crossing this interface are in the Windows code
// page; the table file holds the DOS code page and whole records are converted on
// reading and writing. Faults inside the layer throw DbfError; the object stays
// usable and the next open starts afresh.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/run_messages.h"
#include "tables/dbf_field.h"

namespace zt6 {

// Where DbfUse looks: the table folder ("DBF Ordner") and the folder for temporary
// files, where a table opened for editing is copied when the table folder or file is
// write-protected. That folder is the process's own, since the copy keeps the
// table's name.
struct TableFolders {
  std::string tableFolder;
  std::string temporaryFolder;
};

// Only the table editor writes tables; every lookup reads them where they are.
enum class TableUse { Read, Edit };

struct DbfUseResult {
  bool ok = false;
  std::string error;  // the open error's text when !ok (Windows code page)
};

class CurrentTable {
 public:
  explicit CurrentTable(RunMessages& messages);
  ~CurrentTable();
  CurrentTable(const CurrentTable&) = delete;
  CurrentTable& operator=(const CurrentTable&) = delete;

  // Opens a table of the table folder by name (".dbf" added when the name has no
  // "."); for editing with the write check and the temporary-folder fallback. A missing or
  // unreadable file gives "Datei <path> nicht gefunden oder kein Zugriffsrecht !";
  // a file that is no table gives the DbfError text. Never throws.
  DbfUseResult DbfUse(const std::string& name, const TableFolders& folders, TableUse use);
  // Opens exactly this file, no write check. Throws DbfError for a bad file.
  void DbfUsePath(const std::string& path);
  bool IsOpen() const;
  const std::string& Path() const;  // the file actually open (maybe the temporary copy)
  // True when path names the open table's file, however it is spelled.
  bool IsTableFile(const std::string& path) const;
  // Closes the table; header upkeep when records were changed. No-op when closed.
  void DbfClose();

  // Navigation. DbfGo beyond the end adds the run message "DBF #" + n + " not found."
  // and goes to the last record; 0 or negative goes to record 1.
  void DbfGo(std::int64_t n);
  void DbfGoTop();     // first record in the active order
  void DbfGoBottom();  // last record in the active order
  void DbfSkip(std::int64_t n);  // in the active order; 0 re-reads the current record
  bool DbfEof() const;
  bool DbfBof() const;
  std::int64_t DbfRecNo() const;
  std::int64_t DbfRecCount() const;

  int DbfFieldCount() const;
  std::string DbfFieldName(int n) const;  // upper case; "" outside 1..count
  int DbfFieldLen(int n) const;           // 0 outside 1..count
  const DbfColumn* FieldByNumber(int n) const;  // nullptr outside 1..count
  int FieldNumber(std::string_view name) const;  // 0 when unknown (cut to 10, any case)
  std::string DbfField(int n) const;      // text form of the current record's field n
  bool DbfLogical(std::string_view fieldName) const;
  bool DbfDeleted() const;                // deletion flag of the current record

  // Hides records flagged deleted from navigation (off by default; the pick window
  // turns it on in choose mode).
  void SetHideDeleted(bool hide);

  // The record buffer: replace operations change only the buffer, DbfAppendRecord
  // appends it; DbfWriteRecord writes it over the current record (the editor grid).
  void DbfReplaceText(std::string_view fieldName, std::string_view text);
  void DbfReplaceInteger(std::string_view fieldName, std::int64_t value);
  void DbfReplaceReal(std::string_view fieldName, double value);
  void DbfReplaceLogical(std::string_view fieldName, bool value);
  void DbfBlankBuffer();  // all fields blank, as for a new record
  // False when the append lock was refused (nothing written). The appended record
  // becomes current; the buffer keeps its values.
  bool DbfAppendRecord();
  void DbfWriteRecord();
  void DbfDelete(bool deleted);  // set or clear the deletion flag of the current record

  // Temporary index on one field name; the current record becomes the first in order.
  void DbfIndexOn(std::string_view expression, std::string_view indexName);
  void DbfClearIndex();  // back to record order
  bool DbfFind(std::string_view key);      // exact; retries with "," for "."
  bool DbfFindNear(std::string_view key);  // first key not below
  bool DbfFound() const;

  void DbfPack();
  void DbfAppendFrom(const std::string& otherTablePath);
  void DbfAppendFromDelimited(const std::string& textPath);
  void DbfCopyToDelimited(const std::string& textPath) const;  // never over the table itself

 private:
  struct State;
  RunMessages& messages_;
  std::unique_ptr<State> state_;
};

}  // namespace zt6
