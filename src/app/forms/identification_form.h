#pragma once
// The drawing identification dialog without its window: drawing names and numbers of
// shaft and hub and the three information lines.

#include "app/forms/form_fields.h"
#include "base/format_settings.h"
#include "calc/design_record.h"

namespace zt6 {

class IdentificationForm {
 public:
  IdentificationForm(DrawingIdentification& drawing, const FormatSettings& format,
                     bool& cancelFlag);

  // Edit_zeichname1, Edit_zeichnr1, Edit_zeichname21, Edit_zeichname2, Edit_zeichnr2,
  // Edit_zeichname22, Edit_info1, Edit_info2, Edit_info3.
  FieldTexts fields;
  // Maximum length of a field.
  static int MaxLength(std::string_view field);

  void Fill();
  // OK: clears the cancel flag, stores the fields (code page 850, cut).
  void Accept();

 private:
  DrawingIdentification& drawing_;
  const FormatSettings& format_;
  bool& cancel_;
};

}  // namespace zt6
