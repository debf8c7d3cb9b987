#pragma once
// The drawing information window without its window: "Ersatz für", "Ersetzt durch",
// the four sign-off rows and the free texts of the manufacturing drawing.

#include <array>
#include <string>

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
  // OK: clears the cancel flag and stores the edits, the sign-off cells and the free
  // texts: row 1 always, then each next row while its text is not blank. A number
  // cell is read again only when its text was changed, so a value shown shortened
  // keeps its full precision.
  void Accept();

 private:
  DocumentationData& docs_;
  const FormatSettings& format_;
  bool& cancel_;
  std::array<std::array<std::string, 4>, kMaxFreeTexts> shownNumbers_;
};

}  // namespace zt6
