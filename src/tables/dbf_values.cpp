#include "tables/dbf_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <optional>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "tables/dbf_error.h"
#include "tables/dbf_messages.h"

namespace zt6 {

namespace {

bool IsNumeric(const DbfColumn& column) { return column.type == 'N' || column.type == 'F'; }

std::string RightAligned(std::string_view text, int length) {
  return std::string(static_cast<std::size_t>(length) - text.size(), ' ').append(text);
}

std::string LeftAligned(std::string_view text, int length) {
  std::string out(text.substr(0, static_cast<std::size_t>(length)));
  out.resize(static_cast<std::size_t>(length), ' ');
  return out;
}

// value with the given decimals, right-aligned in length; empty when it does not fit.
std::optional<std::string> FormattedNumber(double value, int length, int decimals) {
  if (!std::isfinite(value)) return std::nullopt;
  std::array<char, 1024> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
  if (ec != std::errc()) return std::nullopt;
  std::string text(buffer.data(), end);
  // A value that rounds to zero is stored without its sign.
  if (text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  if (text.size() > static_cast<std::size_t>(length)) return std::nullopt;
  return RightAligned(text, length);
}

std::string ShortNumber(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), result.ptr};
}

[[noreturn]] void DoesNotFit(const DbfColumn& column, std::string_view value) {
  throw DbfError("Wert " + std::string(value) + " passt nicht in Feld " + ColumnLabel(column));
}

void RequireType(const DbfColumn& column, bool matches, const char* what) {
  if (!matches) throw DbfError("Feld " + ColumnLabel(column) + " ist kein " + what);
}

// Eight digits that name a day of the calendar (year, month, day).
bool IsDate(std::string_view text) {
  if (text.size() != 8 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const auto number = [text](std::size_t at, std::size_t length) {
    int value = 0;
    for (const char c : text.substr(at, length)) value = value * 10 + (c - '0');
    return value;
  };
  const std::chrono::year_month_day day{std::chrono::year(number(0, 4)),
                                        std::chrono::month(static_cast<unsigned>(number(4, 2))),
                                        std::chrono::day(static_cast<unsigned>(number(6, 2)))};
  return day.ok();
}

std::string TruthLetter(const DbfColumn& column, bool value) {
  return LeftAligned(value ? "T" : "F", column.length);
}

}  // namespace

std::string StoredToWindows(std::string_view oem) {
  return OemToAnsiAnyLength(oem, false);
}

std::string WindowsToStored(std::string_view ansi) {
  return AnsiToOemAnyLength(ansi);
}

bool IsTrue(char stored) {
  return stored == 'T' || stored == 't' || stored == 'Y' || stored == 'y';
}

bool IsBlank(std::string_view stored) {
  return stored.find_first_not_of(' ') == std::string_view::npos;
}

double NumberOf(std::string_view text) { return ParseReal(text); }

std::string FieldTextForm(const DbfColumn& column, std::string_view stored) {
  switch (column.type) {
    case 'N':
    case 'F': {
      if (IsBlank(stored)) return std::string(stored);
      const std::optional<double> value = TryParseReal(stored);
      // Text that is no number is shown as it stands rather than as a made-up 0.
      if (!value) return StoredToWindows(stored);
      return FormattedNumber(*value, column.length, column.decimals).value_or(std::string(stored));
    }
    case 'L':
      return !stored.empty() && IsTrue(stored.front()) ? "Y" : "N";
    case 'M':
      return IsBlank(stored) ? "none" : "MEMO";
    default:
      return StoredToWindows(stored);
  }
}

std::string BlankValue(const DbfColumn& column) {
  return std::string(static_cast<std::size_t>(column.length), ' ');
}

std::string StoredText(const DbfColumn& column, std::string_view ansi) {
  if (column.type == 'C') return LeftAligned(WindowsToStored(ansi), column.length);
  if (column.type == 'M')
    throw DbfError(WindowsText("Memofelder können nicht geschrieben werden: ") + column.name);
  const std::string_view text = TrimBlanks(ansi);
  if (text.empty()) return BlankValue(column);
  switch (column.type) {
    case 'N':
    case 'F': {
      const std::optional<double> value = TryParseReal(text);
      if (!value)
        throw DbfError("Feld " + ColumnLabel(column) + ": " + std::string(text) +
                       " ist keine Zahl");
      return StoredReal(column, *value);
    }
    case 'L':
      return TruthLetter(column, IsTrue(text.front()));
    default:  // D
      if (!IsDate(text))
        throw DbfError("Feld " + ColumnLabel(column) + ": " + std::string(text) +
                       " ist kein Datum (JJJJMMTT)");
      if (column.length < 8) DoesNotFit(column, text);
      return LeftAligned(text, column.length);
  }
}

std::string StoredTypedText(const DbfColumn& column, std::string_view ansi) {
  const std::string stored = StoredText(column, ansi);
  const std::string_view text = TrimBlanks(ansi);
  if (column.type == 'C' &&
      TrimBlanksAtEnd(ansi).size() > static_cast<std::size_t>(column.length)) {
    throw DbfError("Feld " + ColumnLabel(column) + ": " + std::string(text) +
                   WindowsText(" ist länger als ") + std::to_string(column.length) + " Zeichen");
  }
  if (IsNumeric(column) && !text.empty()) {
    const double typed = NumberOf(text);
    if (std::abs(NumberOf(stored) - typed) > 1e-9 * std::max(1.0, std::abs(typed))) {
      throw DbfError("Feld " + ColumnLabel(column) + ": " + std::string(text) +
                     (column.decimals == 0 ? std::string(" ist keine ganze Zahl")
                                           : " hat mehr als " + std::to_string(column.decimals) +
                                                 " Nachkommastellen"));
    }
  }
  return stored;
}

std::string StoredReal(const DbfColumn& column, double value) {
  RequireType(column, IsNumeric(column), "Zahlenfeld");
  const std::optional<std::string> text = FormattedNumber(value, column.length, column.decimals);
  if (!text) DoesNotFit(column, ShortNumber(value));
  return *text;
}

std::string StoredInteger(const DbfColumn& column, std::int64_t value) {
  RequireType(column, IsNumeric(column), "Zahlenfeld");
  std::string text = std::to_string(value);
  if (column.decimals > 0)
    text += "." + std::string(static_cast<std::size_t>(column.decimals), '0');
  if (text.size() > static_cast<std::size_t>(column.length))
    DoesNotFit(column, std::to_string(value));
  return RightAligned(text, column.length);
}

std::string StoredLogical(const DbfColumn& column, bool value) {
  RequireType(column, column.type == 'L', "logisches Feld");
  return TruthLetter(column, value);
}

std::string ConvertedValue(const DbfColumn& target, const DbfColumn& source,
                           std::string_view stored) {
  if (target.type == source.type && target.length == source.length &&
      target.decimals == source.decimals && target.type != 'M') {
    return std::string(stored);
  }
  if (target.type == 'M' || source.type == 'M' || IsBlank(stored)) return BlankValue(target);
  const std::string_view text = TrimBlanks(stored);
  switch (target.type) {
    case 'C':
      if (IsNumeric(source)) {
        if (text.size() > static_cast<std::size_t>(target.length)) DoesNotFit(target, text);
        return RightAligned(text, target.length);
      }
      if (source.type == 'L') return LeftAligned(IsTrue(text.front()) ? "T" : "F", target.length);
      return LeftAligned(stored, target.length);
    case 'N':
    case 'F':
      if (IsNumeric(source) || source.type == 'C') return StoredReal(target, NumberOf(text));
      return BlankValue(target);
    case 'L':
      if (source.type == 'L' || source.type == 'C')
        return TruthLetter(target, IsTrue(text.front()));
      return BlankValue(target);
    default:  // D
      if ((source.type == 'C' || source.type == 'D') && IsDate(text) && target.length >= 8)
        return LeftAligned(text, target.length);
      return BlankValue(target);
  }
}

std::string ColumnLabel(const DbfColumn& column) {
  std::string label = column.name + " (" + column.type + " " + std::to_string(column.length);
  if (column.decimals > 0) label += "," + std::to_string(column.decimals);
  return label + ")";
}

}  // namespace zt6
