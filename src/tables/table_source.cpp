#include "tables/table_source.h"

#include <charconv>
#include <optional>

#include "base/codepage.h"
#include "base/text_lines.h"

namespace zt6 {

namespace {

// One CSV line into its values; nullopt for an unterminated quote.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line) {
  std::vector<std::string> values(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        values.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        values.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      values.emplace_back();
    } else {
      values.back() += c;
    }
  }
  if (quoted) return std::nullopt;
  return values;
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string_view> SplitColons(std::string_view text) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t colon = text.find(':', start);
    parts.push_back(text.substr(start, colon == std::string_view::npos ? colon : colon - start));
    if (colon == std::string_view::npos) return parts;
    start = colon + 1;
  }
}

std::optional<DbfFieldSpec> FieldDeclaration(std::string_view text, std::string& error) {
  const std::vector<std::string_view> parts = SplitColons(text);
  if (parts.size() < 3 || parts.size() > 4) {
    error = "field \"" + std::string(text) + "\" is not NAME:T:LEN[:DEC]";
    return std::nullopt;
  }
  DbfFieldSpec field;
  field.name = std::string(parts[0]);
  if (field.name.empty() || field.name.size() > 10) {
    error = "field name \"" + field.name + "\" must have 1 to 10 characters";
    return std::nullopt;
  }
  if (parts[1].size() != 1 || std::string_view("CNFLD").find(parts[1][0]) == std::string_view::npos) {
    error = "field " + field.name + ": type must be one of C N F L D";
    return std::nullopt;
  }
  field.type = parts[1][0];
  const std::optional<int> length = Number(parts[2]);
  const std::optional<int> decimals = parts.size() == 4 ? Number(parts[3]) : std::optional<int>(0);
  if (!length || *length < 1 || *length > 254 || !decimals || *decimals < 0 ||
      *decimals >= *length) {
    error = "field " + field.name + ": length 1..254 and decimals below the length";
    return std::nullopt;
  }
  field.length = *length;
  field.decimals = *decimals;
  return field;
}

}  // namespace

TableSource ParseTableSource(std::string_view csv) {
  TableSource source;
  std::vector<std::string> lines = SplitLines(csv);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.empty()) {
    source.error = "line 1: no field declarations";
    return source;
  }
  const auto fail = [&source](std::size_t line, const std::string& what) {
    source.error = "line " + std::to_string(line) + ": " + what;
    source.fields.clear();
    source.records.clear();
    return source;
  };
  const std::optional<std::vector<std::string>> declarations = SplitCsvLine(lines.front());
  if (!declarations) return fail(1, "unterminated quote");
  for (const std::string& declaration : *declarations) {
    std::string error;
    const std::optional<DbfFieldSpec> field = FieldDeclaration(declaration, error);
    if (!field) return fail(1, error);
    source.fields.push_back(*field);
  }
  for (std::size_t k = 1; k < lines.size(); ++k) {
    std::optional<std::vector<std::string>> values = SplitCsvLine(lines[k]);
    if (!values) return fail(k + 1, "unterminated quote");
    if (values->size() != source.fields.size())
      return fail(k + 1, std::to_string(values->size()) + " values for " +
                             std::to_string(source.fields.size()) + " fields");
    for (std::string& value : *values) {
      // The table holds the DOS code page: a character it lacks would come back changed.
      if (Cp850ToUtf8(Utf8ToCp850(value)) != value)
        return fail(k + 1, "\"" + value + "\" has a character that code page 850 lacks");
      value = Utf8ToCp1252(value);
    }
    source.records.push_back(std::move(*values));
  }
  source.ok = true;
  return source;
}

}  // namespace zt6
