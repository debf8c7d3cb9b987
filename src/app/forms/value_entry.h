#pragma once
// Number fields the same way in every dialog. A field's text is checked before it is
// taken: text that is no number, an empty field and a value outside the field's range
// are refused with a message naming the field, and the stored value stays. A field is
// filled with its stored value remembered beside the text, so a field whose text the
// user left alone gives back the stored value exactly, not the shown rounding.

#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "app/forms/form_fields.h"

namespace zt6 {

// The values a field takes, as typed in the unit shown. Bounds of fields with a unit
// are 0, which is the same in every unit.
struct NumberRange {
  double low = -std::numeric_limits<double>::infinity();
  bool lowIncluded = true;
  double high = std::numeric_limits<double>::infinity();
  bool highIncluded = true;

  static constexpr NumberRange Any() { return {}; }
  static constexpr NumberRange Positive() { return {0, false}; }  // > 0
  static constexpr NumberRange NotNegative() { return {0, true}; }  // >= 0
  static constexpr NumberRange AtLeast(double low) { return {low, true}; }
  static constexpr NumberRange Between(double low, double high) {
    return {low, true, high, true};
  }
  static constexpr NumberRange Inside(double low, double high) {  // both bounds excluded
    return {low, false, high, false};
  }

  bool Holds(double value) const;
  // "> 0", ">= 3", "1 .. 16", "> 0 und < 180"; empty for Any().
  std::string Text() const;
};

enum class NumberKind { Real, Whole };

struct NumberRule {
  NumberKind kind = NumberKind::Real;
  NumberRange range;
};

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
