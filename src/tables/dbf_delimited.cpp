#include "tables/dbf_delimited.h"

#include <algorithm>

#include "base/blanks.h"
#include "tables/dbf_values.h"

namespace zt6 {

namespace {

// A quoted value ends at the quote that is followed by a comma or the line's end, so
// commas and stray quotes inside it survive.
std::vector<std::string_view> SplitLine(std::string_view line) {
  std::vector<std::string_view> values;
  std::size_t pos = 0;
  while (true) {
    if (pos < line.size() && line[pos] == '"') {
      std::size_t close = pos + 1;
      while (close < line.size() &&
             !(line[close] == '"' && (close + 1 == line.size() || line[close + 1] == ',')))
        ++close;
      values.push_back(line.substr(pos + 1, close - pos - 1));
      pos = close + 1;  // on the comma, or past the end
    } else {
      const std::size_t comma = std::min(line.find(',', pos), line.size());
      values.push_back(line.substr(pos, comma - pos));
      pos = comma;
    }
    if (pos >= line.size()) return values;
    ++pos;  // the comma
  }
}

}  // namespace

std::string DelimitedLine(const std::vector<DbfColumn>& columns, std::string_view record) {
  std::string line;
  bool first = true;
  for (const DbfColumn& column : columns) {
    if (column.type == 'M') continue;
    if (!first) line += ',';
    first = false;
    const std::string_view value = record.substr(static_cast<std::size_t>(column.offset),
                                                 static_cast<std::size_t>(column.length));
    switch (column.type) {
      case 'C':
        line.append("\"").append(TrimBlanksAtEnd(value)).append("\"");
        break;
      case 'L':
        line += IsTrue(value.front()) ? 'T' : 'F';
        break;
      default:
        line.append(TrimBlanks(value));
        break;
    }
  }
  return line + "\r\n";
}

std::string RecordsFromDelimited(const std::vector<DbfColumn>& columns, std::size_t recordLength,
                                 std::string_view text) {
  text = text.substr(0, text.find(kDelimitedEnd));
  std::string records;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;

    std::string record(recordLength, ' ');
    const std::vector<std::string_view> values = SplitLine(line);
    std::size_t next = 0;
    for (const DbfColumn& column : columns) {
      if (column.type == 'M' || next >= values.size()) continue;
      const std::string_view value = values[next++];
      DbfColumn source;
      source.type = 'C';
      source.length = static_cast<int>(value.size());
      record.replace(static_cast<std::size_t>(column.offset),
                     static_cast<std::size_t>(column.length),
                     ConvertedValue(column, source, value));
    }
    records += record;
  }
  return records;
}

}  // namespace zt6
