#include "app/forms/identification_form.h"

#include <array>
#include <string>

#include "base/codepage.h"

namespace zt6 {

namespace {

struct IdentificationField {
  const char* name;
  std::string DrawingIdentification::*text;  // nullptr: an information line
  int infoLine;
  std::size_t width;
};

constexpr std::array<IdentificationField, 9> kFields{{
    {"Edit_zeichname1", &DrawingIdentification::shaftName1, 0, width::drawingName1},
    {"Edit_zeichnr1", &DrawingIdentification::shaftNumber, 0, width::drawingNumber},
    {"Edit_zeichname21", &DrawingIdentification::shaftName2, 0, width::drawingName2},
    {"Edit_zeichname2", &DrawingIdentification::hubName1, 0, width::drawingName1},
    {"Edit_zeichnr2", &DrawingIdentification::hubNumber, 0, width::drawingNumber},
    {"Edit_zeichname22", &DrawingIdentification::hubName2, 0, width::drawingName2},
    {"Edit_info1", nullptr, 1, width::infoLine},
    {"Edit_info2", nullptr, 2, width::infoLine},
    {"Edit_info3", nullptr, 3, width::infoLine},
}};

std::string& Stored(DrawingIdentification& drawing, const IdentificationField& f) {
  if (f.text != nullptr) return drawing.*f.text;
  return drawing.infoLines[static_cast<std::size_t>(f.infoLine - 1)];
}

}  // namespace

IdentificationForm::IdentificationForm(DrawingIdentification& drawing,
                                       const FormatSettings& format, bool& cancelFlag)
    : drawing_(drawing), format_(format), cancel_(cancelFlag) {}

int IdentificationForm::MaxLength(std::string_view field) {
  for (const IdentificationField& f : kFields)
    if (field == f.name) return static_cast<int>(f.width);
  return 0;
}

void IdentificationForm::Fill() {
  // Shown losslessly: what is not edited is stored back unchanged.
  for (const IdentificationField& f : kFields) fields[f.name] = Cp850ToUtf8(Stored(drawing_, f));
}

void IdentificationForm::Accept() {
  cancel_ = false;
  for (const IdentificationField& f : kFields) {
    const auto typed = fields.find(f.name);
    const std::string text = typed == fields.end() ? std::string() : typed->second;
    Stored(drawing_, f) = FitWidth(Utf8ToCp850(text), f.width);
  }
}

}  // namespace zt6
