#include "app/forms/value_entry.h"

#include "base/blanks.h"
#include "base/number_parse.h"

namespace zt6 {

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::optional<std::string> RefusedNumber(std::string_view fieldName, std::string_view text,
                                         const NumberRule& rule) {
  const std::string field = "Feld " + std::string(fieldName);
  if (TrimBlanks(text).empty()) return field + " ist leer.";
  std::optional<double> value;
  if (rule.kind == NumberKind::Whole) {
    if (const auto whole = TryParseWhole(text)) value = *whole;
    if (!value) {
      // "3.5" is a number but not a whole one; say which.
      const bool real = TryParseReal(text).has_value();
      return field + ": " + Quoted(text) + (real ? " ist keine ganze Zahl." : " ist keine Zahl.");
    }
  } else {
    value = TryParseReal(text);
    if (!value) return field + ": " + Quoted(text) + " ist keine Zahl.";
  }
  if (!rule.range.Holds(*value))
    return field + ": Gültiger Wertebereich: " + rule.range.Text() + " !";
  return std::nullopt;
}

void ShownValues::Show(FieldTexts& fields, const std::string& field, std::string text,
                       double stored) {
  shown_[field] = {text, stored};
  fields[field] = std::move(text);
}

std::optional<double> ShownValues::Untouched(const FieldTexts& fields,
                                             std::string_view field) const {
  const auto shown = shown_.find(field);
  const auto current = fields.find(field);
  if (shown == shown_.end() || current == fields.end()) return std::nullopt;
  if (current->second != shown->second.text) return std::nullopt;
  return shown->second.stored;
}

}  // namespace zt6
