#include "app/forms/change_form.h"

#include <array>

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
