#pragma once
// The change dialog without its window: one change record's change text, date,
// editor and description.

#include <string>

#include "app/forms/form_fields.h"
#include "docs/documentation_data.h"

namespace zt6 {

class ChangeForm {
 public:
  // Characters the description field takes; a line break counts as two, as it does in
  // the file the project is exchanged in.
  static constexpr int kDescriptionLimit = 255;

  ChangeForm(AendRecord& record, bool& cancelFlag);

  // Edit_aenderung, Edit_datum, Edit_bearbeiter, Memo_beschreibung (UTF-8; the
  // description's line breaks as "\n").
  FieldTexts fields;
  // Maximum length of a one-line field.
  static int MaxLength(std::string_view field);
  // The length the description limit is reckoned in.
  static int DescriptionLength(std::string_view utf8);

  void Fill();
  // Why OK cannot store the fields (code page 850), or empty: a date that is no
  // calendar date in the order of the date code (1 TT.MM.JJJJ, 2 MM/TT/JJJJ,
  // 3 JJJJ/MM/TT, 4 TT/MM/JJJJ; any of ". / -" between the parts). An empty date and the
  // record's own date, unchanged, are kept.
  std::string Refusal(int dateCode) const;
  // OK: clears the cancel flag; stores the four fields (code page 850; the one-line
  // fields cut to their lengths, the description whole, line breaks kept).
  void Accept();

 private:
  AendRecord& record_;
  bool& cancel_;
};

}  // namespace zt6
