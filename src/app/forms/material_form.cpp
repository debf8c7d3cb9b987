#include "app/forms/material_form.h"

#include <array>

#include "app/lookups/material_lookup.h"
#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/number_parse.h"

namespace zt6 {

namespace {

using GroupFields = MaterialForm::GroupFields;
constexpr const std::array<GroupFields, 2>& kGroups = MaterialForm::kGroups;

std::size_t Index(int part) { return part == 2 ? 1 : 0; }

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

}  // namespace

MaterialForm::MaterialForm(DesignRecord& design, RunMessages& messages, FormatSettings& format,
                           TableAccess& access, bool& cancelFlag)
    : design_(design), messages_(messages), format_(format), access_(access), cancel_(cancelFlag) {}

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
  fields[f.Re] = Trimmed(FormatSignificantStress(m.Re, format_));
  fields[f.fS] = Trimmed(FormatSignificant(m.fS, format_));
  fields[f.fH] = Trimmed(FormatSignificant(m.fH, format_));
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
    m.Re = ParseStrength(Text(f.Re), format_.units);
    m.fS = ParseReal(Text(f.fS));
    m.fH = ParseReal(Text(f.fH));
  }
}

void MaterialForm::SwitchUnits() {
  WriteBack();
  format_.units = format_.units == UnitSystem::English ? UnitSystem::Metric : UnitSystem::English;
  Fill();
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
  if (TrimBlanks(number).empty()) return "Werkstoffdatenbank...";
  return Cp850ToUtf8(number) + "  " + "Werkstoffdatenbank";
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

void MaterialForm::Accept() {
  cancel_ = false;
  WriteBack();
}

}  // namespace zt6
