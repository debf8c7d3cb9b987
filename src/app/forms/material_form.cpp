#include "app/forms/material_form.h"

#include <array>
#include <vector>

#include "app/lookups/material_lookup.h"
#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/number_parse.h"
#include "calc/input_ranges.h"

namespace zt6 {

namespace {

using GroupFields = MaterialForm::GroupFields;
constexpr const std::array<GroupFields, 2>& kGroups = MaterialForm::kGroups;

std::size_t Index(int part) { return part == 2 ? 1 : 0; }

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

}  // namespace

MaterialForm::MaterialForm(DesignRecord& design, RunMessages& messages, FormatSettings& format,
                           TableAccess& access, bool& cancelFlag, const Vocabulary& words)
    : design_(design),
      messages_(messages),
      format_(format),
      access_(access),
      cancel_(cancelFlag),
      words_(words) {}

const std::string& MaterialForm::Text(const char* field) const {
  static const std::string kEmpty;
  const auto found = fields.find(field);
  return found == fields.end() ? kEmpty : found->second;
}

void MaterialForm::FillPart(int part) {
  const GroupFields& f = kGroups[Index(part)];
  const Material& m = design_.material[Index(part)];
  fields[f.number] = Cp850ToUtf8(m.number);
  fields[f.name] = Cp850ToUtf8(m.name);
  shown_.Show(fields, f.Re, FormatFieldStress(m.Re, format_), m.Re);
  shown_.Show(fields, f.fS, FormatFieldValue(m.fS, format_), m.fS);
  shown_.Show(fields, f.fH, FormatFieldValue(m.fH, format_), m.fH);
}

void MaterialForm::Fill() {
  FillPart(1);
  FillPart(2);
}

void MaterialForm::WriteBack() {
  for (std::size_t i = 0; i < kGroups.size(); ++i) {
    const GroupFields& f = kGroups[i];
    Material& m = design_.material[i];
    m.number = FitWidth(Utf8ToCp850(Text(f.number)), width::materialNumber);
    m.name = FitWidth(Utf8ToCp850(Text(f.name)), width::materialName);
    // A field the user left alone keeps its stored value exactly.
    m.Re = static_cast<std::int32_t>(
        shown_.Read(fields, f.Re, ParseStrength(Text(f.Re), format_.units)));
    m.fS = shown_.Read(fields, f.fS, ParseReal(Text(f.fS)));
    m.fH = shown_.Read(fields, f.fH, ParseReal(Text(f.fH)));
  }
}

std::optional<Refusal> MaterialForm::Check() const {
  // Re, fS and fH of both parts; the message says which part.
  std::vector<NumberField> checked;
  for (std::size_t i = 0; i < kGroups.size(); ++i) {
    const GroupFields& f = kGroups[i];
    const std::string part = i == 0 ? " (Welle)" : " (Nabe)";
    const std::string input = i == 0 ? "shaft." : "hub.";
    checked.push_back({f.Re, "Streckgrenze Re" + part, InputRule(input + "Re", format_.units)});
    checked.push_back({f.fS, "Stützfaktor fS" + part, InputRule(input + "fS")});
    checked.push_back({f.fH, "Härteeinflußfaktor fH" + part, InputRule(input + "fH")});
  }
  return FirstRefused(fields, checked);
}

bool MaterialForm::SwitchUnits() {
  if (Check()) return false;
  WriteBack();
  format_.units = format_.units == UnitSystem::English ? UnitSystem::Metric : UnitSystem::English;
  Fill();
  return true;
}

std::string MaterialForm::PressureLine(int part) const {
  const GroupFields& f = kGroups[Index(part)];
  const double Re = ParseQuantity(Text(f.Re), QuantityKind::Stress, format_.units);
  const double plim = Re * ParseReal(Text(f.fS)) * ParseReal(Text(f.fH));
  return "plim = Re * fs * fH = " + Trimmed(FormatSignificantStress(plim, format_)) + " " +
         StressUnit();
}

std::string MaterialForm::DatabaseButtonCaption(int part) const {
  const std::string& number = design_.material[Index(part)].number;
  const std::string database = Cp850ToUtf8(words_["Werkstoffdatenbank"]);
  if (TrimBlanks(number).empty()) return database + "...";
  return Cp850ToUtf8(number) + "  " + database;
}

void MaterialForm::PickMaterial(int part) {
  // The shaft's search starts from the number typed in; the hub's from the stored one.
  if (part != 2)
    design_.material[0].number =
        FitWidth(Utf8ToCp850(Text(kGroups[0].number)), width::materialNumber);
  const MaterialPart which = part == 2 ? MaterialPart::Hub : MaterialPart::Shaft;
  if (::zt6::PickMaterial(access_, which, design_, messages_)) FillPart(part == 2 ? 2 : 1);
  cancel_ = false;
}

std::string MaterialForm::StressUnit() const { return StressUnitText(format_); }

bool MaterialForm::Accept() {
  if (Check()) return false;
  cancel_ = false;
  WriteBack();
  return true;
}

}  // namespace zt6
