#pragma once
// The drawing information window without its window: "Ersatz für", "Ersetzt durch",
// the four sign-off rows and the free texts of the manufacturing drawing.

#include <array>
#include <string>

#include "app/forms/value_entry.h"
#include "base/format_settings.h"
#include "docs/documentation_data.h"

namespace zt6 {

class DrawingInfoForm {
 public:
  static constexpr std::size_t kFreeTextColumns = 5;  // x, y, h, phi, text

  DrawingInfoForm(DocumentationData& docs, const FormatSettings& format, bool& cancelFlag);

  // All texts UTF-8.
  std::string replacementFor;  // Edit_ersatzfuer
  std::string replacedBy;      // Edit_ersetztdurch
  std::array<std::array<std::string, 2>, 4> signOff;  // date, name of rows 1..4
  std::array<std::array<std::string, kFreeTextColumns>, kMaxFreeTexts> freeTexts;

  void Fill();
  // The first number cell of the rows OK stores that holds no valid number (a changed
  // cell; a row without text may leave its numbers empty; h above 0). The refusal
  // names the cell as FreeTextCell does.
  std::optional<Refusal> Check() const;
  // "StringGrid2[row,column]", rows and columns from 0.
  static std::string FreeTextCell(std::size_t row, std::size_t column);
  // OK: false when Check refuses. Else clears the cancel flag and stores the edits, the
  // sign-off cells and the free texts: row 1 always, then each next row while its text
  // is not blank. A number cell is read again only when its text was changed, so a
  // value shown shortened keeps its full precision.
  bool Accept();

 private:
  DocumentationData& docs_;
  const FormatSettings& format_;
  bool& cancel_;
  std::array<std::array<std::string, 4>, kMaxFreeTexts> shownNumbers_;
};

}  // namespace zt6
