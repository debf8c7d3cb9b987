#pragma once
// Number fields the same way in every dialog. A field's text is checked before it is
// taken: text that is no number, an empty field and a value outside the field's range
// are refused with a message naming the field, and the stored value stays. A field is
// filled with its stored value remembered beside the text, so a field whose text the
// user left alone gives back the stored value exactly, not the shown rounding.

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "app/forms/form_fields.h"
#include "base/number_range.h"

namespace zt6 {

// A field's NumberRule is in the unit shown: bounds of fields with a unit are converted
// (base/number_range.h, calc/input_ranges.h).

// The message (UTF-8) that refuses the text of the field called fieldName, or nothing
// when the text is a number of the rule ("," counts as decimal point):
//   Feld Re: "abc" ist keine Zahl.          Feld z: "3.5" ist keine ganze Zahl.
//   Feld Re ist leer.                       Feld Re: Gültiger Wertebereich: > 0 !
std::optional<std::string> RefusedNumber(std::string_view fieldName, std::string_view text,
                                         const NumberRule& rule);

// A number field of a dialog: its object name, the name a message gives it, its rule.
struct NumberField {
  std::string name;
  std::string label;
  NumberRule rule;
};

// The first field of the list whose text is refused: its object name and the message
// (UTF-8).
struct Refusal {
  std::string field;
  std::string message;
};
template <typename Fields>
std::optional<Refusal> FirstRefused(const FieldTexts& texts, const Fields& fields) {
  for (const NumberField& f : fields) {
    const auto found = texts.find(f.name);
    const std::string_view text = found == texts.end() ? std::string_view() : found->second;
    if (auto message = RefusedNumber(f.label, text, f.rule)) return Refusal{f.name, *message};
  }
  return std::nullopt;
}

// The texts a dialog filled its number fields with and the stored values behind them.
class ShownValues {
 public:
  // Puts text into the field and remembers the stored value it shows.
  void Show(FieldTexts& fields, const std::string& field, std::string text, double stored);
  // The stored value while the field still holds the text it was filled with; nothing
  // once the user changed it (or it was never filled).
  std::optional<double> Untouched(const FieldTexts& fields, std::string_view field) const;
  // The stored value of an untouched field, else the typed one.
  double Read(const FieldTexts& fields, std::string_view field, double typed) const {
    return Untouched(fields, field).value_or(typed);
  }

 private:
  struct Shown {
    std::string text;
    double stored;
  };
  std::map<std::string, Shown, std::less<>> shown_;
};

}  // namespace zt6
