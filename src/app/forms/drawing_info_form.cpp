#include "app/forms/drawing_info_form.h"

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/number_parse.h"
#include "calc/design_record.h"

namespace zt6 {

namespace {

std::string Stored(const std::string& utf8, std::size_t width) {
  return FitWidth(Utf8ToCp850(utf8), width);
}

bool Blank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

double& Number(FreeText& t, std::size_t column) {
  switch (column) {
    case 0: return t.x;
    case 1: return t.y;
    case 2: return t.h;
    default: return t.phi;
  }
}

}  // namespace

DrawingInfoForm::DrawingInfoForm(DocumentationData& docs, const FormatSettings& format,
                                 bool& cancelFlag)
    : docs_(docs), format_(format), cancel_(cancelFlag) {}

void DrawingInfoForm::Fill() {
  replacementFor = Cp850ToUtf8(docs_.replacementFor);
  replacedBy = Cp850ToUtf8(docs_.replacedBy);
  for (std::size_t row = 0; row < 4; ++row) {
    signOff[row] = {Cp850ToUtf8(docs_.signOff[row].date), Cp850ToUtf8(docs_.signOff[row].name)};
  }
  for (std::size_t row = 0; row < kMaxFreeTexts; ++row) {
    freeTexts[row] = {};
    shownNumbers_[row] = {};
    if (row >= docs_.freeTextCount) continue;
    FreeText& t = docs_.freeTexts[row];
    for (std::size_t column = 0; column < 4; ++column) {
      shownNumbers_[row][column] = FormatSignificant(Number(t, column), format_);
      freeTexts[row][column] = shownNumbers_[row][column];
    }
    freeTexts[row][4] = Cp850ToUtf8(t.text);
  }
}

std::optional<Refusal> DrawingInfoForm::Check() const {
  static constexpr const char* kColumns[] = {"x", "y", "h", "phi"};
  for (std::size_t row = 0; row < kMaxFreeTexts; ++row) {
    const bool wasShown = row < docs_.freeTextCount;
    const bool unused = Blank(freeTexts[row][4]);
    for (std::size_t column = 0; column < 4; ++column) {
      const std::string& typed = freeTexts[row][column];
      if (wasShown && typed == shownNumbers_[row][column]) continue;
      // A row without text may leave its numbers empty.
      if (unused && Blank(typed)) continue;
      // Positions and angles take any value; a text needs a height.
      const NumberRule rule{NumberKind::Real,
                            column == 2 ? NumberRange::Positive() : NumberRange::Any()};
      const std::string label =
          "Freier Text " + std::to_string(row + 1) + " " + kColumns[column];
      if (auto message = RefusedNumber(label, typed, rule))
        return Refusal{FreeTextCell(row, column), *message};
    }
    if (row + 1 >= kMaxFreeTexts || Blank(freeTexts[row + 1][4])) break;
  }
  return std::nullopt;
}

std::string DrawingInfoForm::FreeTextCell(std::size_t row, std::size_t column) {
  return "StringGrid2[" + std::to_string(row) + "," + std::to_string(column) + "]";
}

bool DrawingInfoForm::Accept() {
  if (Check()) return false;
  cancel_ = false;
  docs_.replacementFor = Stored(replacementFor, docwidth::replacement);
  docs_.replacedBy = Stored(replacedBy, docwidth::replacement);
  for (std::size_t row = 0; row < 4; ++row) {
    docs_.signOff[row].date = Stored(signOff[row][0], docwidth::signOff);
    docs_.signOff[row].name = Stored(signOff[row][1], docwidth::signOff);
  }
  std::size_t count = 0;
  for (std::size_t row = 0; row < kMaxFreeTexts; ++row) {
    FreeText& t = docs_.freeTexts[row];
    const bool wasShown = row < docs_.freeTextCount;
    for (std::size_t column = 0; column < 4; ++column) {
      const std::string& typed = freeTexts[row][column];
      if (wasShown && typed == shownNumbers_[row][column]) continue;
      Number(t, column) = ParseReal(TrimBlanks(typed));
    }
    t.text = Stored(freeTexts[row][4], docwidth::freeText);
    count = row + 1;
    if (row + 1 >= kMaxFreeTexts || Blank(freeTexts[row + 1][4])) break;
  }
  docs_.freeTextCount = count;
  return true;
}

}  // namespace zt6
