#include "app/forms/change_form.h"

#include <array>

#include "base/blanks.h"
#include "base/codepage.h"
#include "calc/design_record.h"

namespace zt6 {

namespace {

struct ChangeField {
  const char* name;
  std::string AendRecord::*text;
  std::size_t width;
};

// The editor is held with 7 characters, the dialog takes 5.
constexpr std::size_t kEditorTyped = 5;

constexpr std::array<ChangeField, 3> kLines{{
    {"Edit_aenderung", &AendRecord::changeText, docwidth::changeText},
    {"Edit_datum", &AendRecord::date, docwidth::changeDate},
    {"Edit_bearbeiter", &AendRecord::editor, kEditorTyped},
}};

constexpr const char* kDescription = "Memo_beschreibung";

std::string Typed(const FieldTexts& fields, std::string_view name) {
  const auto found = fields.find(name);
  return found == fields.end() ? std::string() : found->second;
}

// The date as day, month and year in the order of the date code, if it is one.
bool IsCalendarDate(std::string_view text, int dateCode) {
  std::array<int, 3> parts{};
  std::array<std::size_t, 3> digits{};
  std::size_t part = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      if (digits[part] == 4) return false;
      parts[part] = parts[part] * 10 + (c - '0');
      ++digits[part];
    } else if ((c == '.' || c == '/' || c == '-') && digits[part] > 0 && part < 2) {
      ++part;
    } else {
      return false;
    }
  }
  if (part != 2 || digits[2] == 0) return false;
  const bool yearFirst = dateCode == 3;
  const std::size_t yearPart = yearFirst ? 0 : 2;
  if (digits[yearPart] != 4 && digits[yearPart] != 2) return false;
  const int year = parts[yearPart];
  const int month = dateCode == 2 ? parts[0] : parts[1];
  const int day = dateCode == 2 ? parts[1] : yearFirst ? parts[2] : parts[0];
  if (month < 1 || month > 12 || day < 1) return false;
  constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 || digits[yearPart] == 2;
  if (month == 2 && day == 29) return leap;
  return day <= kDays[static_cast<std::size_t>(month - 1)];
}

const char* DatePattern(int dateCode) {
  switch (dateCode) {
    case 2: return "MM/TT/JJJJ";
    case 3: return "JJJJ/MM/TT";
    case 4: return "TT/MM/JJJJ";
    default: return "TT.MM.JJJJ";
  }
}

}  // namespace

ChangeForm::ChangeForm(AendRecord& record, bool& cancelFlag)
    : record_(record), cancel_(cancelFlag) {}

int ChangeForm::MaxLength(std::string_view field) {
  for (const ChangeField& f : kLines)
    if (field == f.name) return static_cast<int>(f.width);
  return 0;
}

int ChangeForm::DescriptionLength(std::string_view utf8) {
  int length = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte of the same character
    length += c == '\n' ? 2 : 1;
  }
  return length;
}

void ChangeForm::Fill() {
  for (const ChangeField& f : kLines) fields[f.name] = Cp850ToUtf8(record_.*f.text);
  fields[kDescription] = Cp850ToUtf8(record_.description);
}

std::string ChangeForm::Refusal(int dateCode) const {
  const std::string date(TrimBlanks(Typed(fields, "Edit_datum")));
  if (date.empty() || Utf8ToCp850(date) == TrimBlanks(record_.date) ||
      IsCalendarDate(date, dateCode))
    return {};
  return "Feld Datum: \"" + Utf8ToCp850(date) + "\" ist kein Datum (" + DatePattern(dateCode) +
         ").";
}

void ChangeForm::Accept() {
  cancel_ = false;
  for (const ChangeField& f : kLines)
    record_.*f.text = FitWidth(Utf8ToCp850(Typed(fields, f.name)), f.width);
  // Converted without the short-text limit of the Windows conversion, so a description
  // at the field's limit is kept whole.
  std::string description;
  for (const char c : Utf8ToCp850(Typed(fields, kDescription)))
    if (c != '\r') description += c;
  record_.description = description;
}

}  // namespace zt6
