#include "app/forms/load_form.h"

#include <vector>

#include "base/blanks.h"
#include "base/number_format.h"
#include "base/number_parse.h"
#include "calc/input_ranges.h"
#include "calc/proposals.h"

namespace zt6 {

namespace {

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

constexpr const char* kUnitFactor = "1.0";

// Every number of the load with the record field whose range (calc/input_ranges.h) its
// check takes.
struct LoadField {
  const char* name;
  const char* label;
  const char* input;
};

constexpr LoadField kLoadFields[] = {
    {"Edit_p", "Nennleistung P", "power"},
    {"Edit_n", "Drehzahl n", "n"},
    {"Edit_tnenn", "Nenndrehmoment TN", "TN"},
    {"Edit_tmax", "Maximales Drehmoment Tmax", "Tmax"},
    {"Edit_ka", "Anwendungsfaktor KA", "KA"},
    {"Edit_klambda", "Lastverteilungsfaktor K lambda", "K_lambda"},
    {"Edit_fw", "Lastrichtungswechselfaktor fW", "fW"},
    {"Edit_fl1", "Lastspitzenhäufigkeitsfaktor fL Welle", "fL_shaft"},
    {"Edit_fl2", "Lastspitzenhäufigkeitsfaktor fL Nabe", "fL_hub"},
};

}  // namespace

LoadForm::LoadForm(DesignRecord& design, FormatSettings& format, bool& cancelFlag)
    : design_(design), format_(format), cancel_(cancelFlag) {}

const std::string& LoadForm::Text(const char* field) const {
  static const std::string kEmpty;
  const auto found = fields.find(field);
  return found == fields.end() ? kEmpty : found->second;
}

double LoadForm::TorqueOf(const char* field) const {
  return shown_.Read(fields, field, ParseQuantity(Text(field), QuantityKind::Torque, format_.units));
}

double LoadForm::ValueOf(const char* field) const {
  return shown_.Read(fields, field, ParseReal(Text(field)));
}

std::optional<Refusal> LoadForm::Check() const {
  std::vector<NumberField> checked;
  // The computed field follows from the others; the user cannot type into it.
  for (const LoadField& f : kLoadFields)
    if (f.name != ComputedField())
      checked.push_back({f.name, f.label, InputRule(f.input, format_.units)});
  return FirstRefused(fields, checked);
}

std::string LoadForm::TorqueText(double nm) const {
  return Trimmed(FormatSignificantTorque(nm, format_));
}

std::string LoadForm::PlainText(double value) const {
  return Trimmed(FormatSignificant(value, format_));
}

void LoadForm::Fill() {
  const int stored = static_cast<int>(design_.computedQuantity);
  mode = stored >= 1 && stored <= 3 ? stored : 1;
  ShowPlain("Edit_p", design_.power);
  ShowPlain("Edit_n", design_.n);
  ShowTorque("Edit_tnenn", design_.TN);
  ShowTorque("Edit_tmax", design_.Tmax);
  ShowPlain("Edit_ka", design_.KA);
  ShowPlain("Edit_klambda", design_.Klambda);
  ShowPlain("Edit_fw", design_.fW);
  ShowPlain("Edit_fl1", design_.fL[0]);
  ShowPlain("Edit_fl2", design_.fL[1]);
  // Filling the fields changes them, and every change refreshes the computed one.
  Recompute();
}

void LoadForm::WriteBack() {
  design_.power = ValueOf("Edit_p");
  design_.n = ValueOf("Edit_n");
  design_.TN = TorqueOf("Edit_tnenn");
  design_.computedQuantity = static_cast<ComputedQuantity>(mode >= 1 && mode <= 3 ? mode : 1);
  design_.Tmax = TorqueOf("Edit_tmax");
  design_.KA = ValueOf("Edit_ka");
  design_.Klambda = ValueOf("Edit_klambda");
  design_.fW = ValueOf("Edit_fw");
  design_.fL[0] = ValueOf("Edit_fl1");
  design_.fL[1] = ValueOf("Edit_fl2");
}

void LoadForm::ShowPlain(const char* field, double value) {
  shown_.Show(fields, field, FormatFieldValue(value, format_), value);
}

void LoadForm::ShowTorque(const char* field, double nm) {
  shown_.Show(fields, field, FormatFieldTorque(nm, format_), nm);
}

bool LoadForm::SwitchUnits() {
  if (Check()) return false;
  WriteBack();
  format_.units = format_.units == UnitSystem::English ? UnitSystem::Metric : UnitSystem::English;
  Fill();
  return true;
}

// The computed field shows three digits but keeps its exact value behind them.
void LoadForm::Recompute() {
  const double power = ValueOf("Edit_p");
  const double n = ValueOf("Edit_n");
  const double TN = TorqueOf("Edit_tnenn");
  switch (mode) {
    case 2:
      if (const auto speed = SpeedFrom(power, TN))
        shown_.Show(fields, "Edit_n", PlainText(*speed), *speed);
      return;
    case 3:
      if (const auto torque = TorqueFrom(power, n))
        shown_.Show(fields, "Edit_tnenn", TorqueText(*torque), *torque);
      return;
    default: {
      const double computed = PowerFrom(TN, n);
      shown_.Show(fields, "Edit_p", PlainText(computed), computed);
      return;
    }
  }
}

std::string LoadForm::ComputedField() const {
  if (mode == 2) return "Edit_n";
  if (mode == 3) return "Edit_tnenn";
  return "Edit_p";
}

void LoadForm::Propose(std::string_view button) {
  if (button == "Button_tmax") {
    fields["Edit_tmax"] = TorqueText(ProposeMaximumTorque(TorqueOf("Edit_tnenn")));
  } else if (button == "Button_ka") {
    fields["Edit_ka"] = kUnitFactor;
  } else if (button == "Button_klambda") {
    if (design_.D > 0) {
      // Two decimals whatever the decimals setting; the separator is the configured one.
      FormatSettings twoDecimals = format_;
      twoDecimals.decimals = 3;
      fields["Edit_klambda"] = Trimmed(
          FormatFixed(ProposeLoadDistributionFactor(design_.l, design_.D), 1, 2, twoDecimals));
    } else {
      fields["Edit_klambda"] = kUnitFactor;
    }
  } else if (button == "Button_fw") {
    fields["Edit_fw"] = kUnitFactor;
  } else if (button == "Button_fl") {
    fields["Edit_fl1"] = kUnitFactor;
    fields["Edit_fl2"] = kUnitFactor;
  }
}

std::string LoadForm::TorqueUnit() const { return TorqueUnitText(format_); }

bool LoadForm::Accept() {
  if (Check()) return false;
  cancel_ = false;
  WriteBack();
  return true;
}

}  // namespace zt6
