#include "app/forms/dimension_form.h"

#include <string>
#include <vector>

#include "app/lookups/size_lookup.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/number_parse.h"
#include "calc/geometry.h"
#include "calc/input_ranges.h"
#include "calc/proposals.h"

namespace zt6 {

namespace {

// The dimension fields besides the designation, with the record value each shows and
// the record field whose range (calc/input_ranges.h) the field's check takes.
struct LengthField {
  const char* name;
  double DesignRecord::*value;
  const char* input;
};

constexpr LengthField kLengthFields[] = {
    {"Edit_d1", &DesignRecord::Dii, "Dii"},      {"Edit_d3", &DesignRecord::Dee, "Dee"},
    {"Edit_d5", &DesignRecord::D, "D"},          {"Edit_rimax", &DesignRecord::riMax, "ri_max"},
    {"Edit_remax", &DesignRecord::reMax, "re_max"}, {"Edit_tgi", &DesignRecord::TGi, "TGi"},
    {"Edit_tge", &DesignRecord::TGe, "TGe"},     {"Edit_dri", &DesignRecord::DRi, "DRi"},
    {"Edit_dre", &DesignRecord::DRe, "DRe"}};

// Vocabulary words (named by their German text) and the symbol of each label.
struct LabelWords {
  const char* name;
  const char* first;
  const char* second;  // nullptr: a one-word label
  const char* third;
  const char* symbol;
};

constexpr LabelWords kLabels[] = {
    {"Edit_d1", "Kopfkreisdurchmesser", "Nabe", nullptr, " Dii"},
    {"Edit_d3", "Kopfkreisdurchmesser", "Welle", nullptr, " Dee"},
    {"Edit_d5", "Teilkreisdurchmesser", nullptr, nullptr, " D"},
    {"Edit_z", "Zähnezahl", nullptr, nullptr, " z"},
    {"Edit_beta", "Lückenwinkel", nullptr, nullptr, " gamma e"},
    {"Edit_rimax", "Fußradius", "Nabe", nullptr, " ri max"},
    {"Edit_remax", "Fußradius", "Welle", nullptr, " re max"},
    {"Edit_tgi", "Gesamttoleranz", "Zahnlücke", "Nabe", " TGi"},
    {"Edit_tge", "Gesamttoleranz", "Zahndicke", "Welle", " TGe"},
    {"Edit_dri", "Meßkreisdurchmesser", "Nabe", nullptr, " DRi"},
    {"Edit_dre", "Meßkreisdurchmesser", "Welle", nullptr, " DRe"},
    {"Edit_l", "Nabenlänge", nullptr, nullptr, " l"},
    {"RadioGroup_tol", "Toleranzklasse", "Welle", nullptr, ""},
    {"RadioGroup_tol1", "fein", nullptr, nullptr, ""},
    {"RadioGroup_tol2", "grob", nullptr, nullptr, ""}};

std::string Trimmed(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

DimensionForm::DimensionForm(DesignRecord& design, RunMessages& messages, FormatSettings& format,
                             const Vocabulary& words, TableAccess& access, bool& cancelFlag)
    : design_(design),
      messages_(messages),
      format_(format),
      words_(words),
      access_(access),
      cancel_(cancelFlag) {}

std::string DimensionForm::LengthText(double mm) const {
  return Trimmed(FormatSignificantLengthA(mm, format_));
}

void DimensionForm::ShowLength(const std::string& field, double mm) {
  shown_.Show(fields, field, FormatFieldLength(mm, format_), mm);
}

double DimensionForm::LengthOf(std::string_view field) const {
  return ParseQuantity(Text(field), QuantityKind::Length, format_.units);
}

const std::string& DimensionForm::Text(std::string_view field) const {
  static const std::string kEmpty;
  const auto found = fields.find(field);
  return found == fields.end() ? kEmpty : found->second;
}

void DimensionForm::FillDimensions() {
  fields["Edit_name"] = Cp850ToUtf8(design_.designation);
  for (const LengthField& f : kLengthFields) ShowLength(f.name, design_.*f.value);
  shown_.Show(fields, "Edit_z", std::to_string(design_.z), design_.z);
  shown_.Show(fields, "Edit_beta", FormatFieldValue(design_.gammaE, format_), design_.gammaE);
}

void DimensionForm::Fill() {
  source = static_cast<int>(design_.dimensionSource);
  toleranceClass = static_cast<int>(design_.toleranceClass);
  FillDimensions();
  ShowLength("Edit_l", design_.l);
}

void DimensionForm::WriteBack() {
  design_.l = shown_.Read(fields, "Edit_l", LengthOf("Edit_l"));
  design_.dimensionSource = source == 2 ? DimensionSource::SelfDefined : DimensionSource::Database;
  design_.toleranceClass = toleranceClass == 2 ? ToleranceClass::Coarse : ToleranceClass::Fine;
  design_.designation = Utf8ToCp850(Text("Edit_name"));
  // Database dimensions are disabled fields showing rounded record values; only
  // self-defined ones are read, so a unit switch never rounds a table row.
  if (!DimensionsEnabled()) return;
  // A field the user left alone keeps its stored value exactly.
  for (const LengthField& f : kLengthFields)
    design_.*f.value = shown_.Read(fields, f.name, LengthOf(f.name));
  design_.z = static_cast<std::int32_t>(shown_.Read(fields, "Edit_z", ParseWhole(Text("Edit_z"))));
  design_.gammaE = shown_.Read(fields, "Edit_beta", ParseReal(Text("Edit_beta")));
}

std::optional<Refusal> DimensionForm::Check() const {
  std::vector<NumberField> checked;
  if (DimensionsEnabled()) {
    for (const LengthField& f : kLengthFields)
      checked.push_back({f.name, Label(f.name), InputRule(f.input, format_.units)});
    checked.push_back({"Edit_z", Label("Edit_z"), InputRule("z")});
    checked.push_back({"Edit_beta", Label("Edit_beta"), InputRule("gamma_e")});
  }
  checked.push_back({"Edit_l", Label("Edit_l"), InputRule("l", format_.units)});
  return FirstRefused(fields, checked);
}

bool DimensionForm::SwitchUnits() {
  if (Check()) return false;
  WriteBack();
  format_.units = format_.units == UnitSystem::English ? UnitSystem::Metric : UnitSystem::English;
  Fill();
  return true;
}

void DimensionForm::ProposeFilletRadius(bool hub) {
  WriteBack();
  DesignRecord basic = design_;
  if (basic.z != 0) BasicQuantities(basic);
  if (hub) {
    design_.riMax = LargestHubFilletRadius(basic, messages_);
  } else {
    design_.reMax = LargestShaftFilletRadius(basic, messages_);
  }
  Fill();
}

void DimensionForm::Propose(std::string_view button) {
  const double Dii = LengthOf("Edit_d1");
  const double Dee = LengthOf("Edit_d3");
  const double D = LengthOf("Edit_d5");
  if (button == "Button_d") {
    fields["Edit_d5"] = LengthText(ProposePitchDiameter(Dii, Dee));
  } else if (button == "Button_z") {
    // Equal tip diameters give no tooth count; the field keeps its text.
    if (const auto z = ProposeToothCount(Dii, Dee)) fields["Edit_z"] = std::to_string(*z);
  } else if (button == "Button_beta") {
    fields["Edit_beta"] = Trimmed(FormatSignificant(ProposeSpaceAngle(Dii), format_));
  } else if (button == "Button_rimax") {
    ProposeFilletRadius(true);
  } else if (button == "Button_remax") {
    ProposeFilletRadius(false);
  } else if (button == "Button_tgi") {
    fields["Edit_tgi"] = LengthText(ProposeHubSpaceTolerance(D, messages_));
  } else if (button == "Button_tge") {
    fields["Edit_tge"] = Text("Edit_tgi");
  } else if (button == "Button_dri") {
    if (const auto pin = ProposePinDiameter(D, ParseWhole(Text("Edit_z"))))
      fields["Edit_dri"] = LengthText(*pin);
  } else if (button == "Button_dre") {
    fields["Edit_dre"] = Text("Edit_dri");
  } else if (button == "Button_l") {
    fields["Edit_l"] = LengthText(ProposeHubLength(D));
  }
}

void DimensionForm::TakeToleranceRow() {
  DatabaseTables(access_).ReadToleranceRow(ToleranceTable::TotalTolerances, design_, messages_);
  // Only the dimension fields: a hub length typed before is kept.
  FillDimensions();
}

void DimensionForm::PickDin5481() {
  if (PickSize(access_, PickMode::Choose, design_)) TakeToleranceRow();
  cancel_ = false;
}

bool DimensionForm::TakeDin5481(std::string_view designation) {
  const bool taken = TakeSizeByDesignation(access_, designation, design_);
  if (taken) TakeToleranceRow();
  cancel_ = false;
  return taken;
}

std::string DimensionForm::Label(std::string_view name) const {
  if (name == "Edit_name") return "Name";
  for (const LabelWords& label : kLabels) {
    if (name != label.name) continue;
    std::string text = words_[label.first];
    if (label.second != nullptr) text += " " + words_[label.second];
    if (label.third != nullptr) text += " " + words_[label.third];
    return OemToDisplay(text, format_.asciiSpecial) + label.symbol;
  }
  return {};
}

bool DimensionForm::Accept() {
  if (Check()) return false;
  cancel_ = false;
  WriteBack();
  if (!DimensionsEnabled()) RereadSize(access_, design_);
  return true;
}

}  // namespace zt6
