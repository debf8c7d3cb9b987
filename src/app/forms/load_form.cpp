#include "app/forms/load_form.h"

#include "base/blanks.h"
#include "base/number_format.h"
#include "base/number_parse.h"
#include "calc/proposals.h"

namespace zt6 {

namespace {

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

constexpr const char* kUnitFactor = "1.0";

}  // namespace

LoadForm::LoadForm(DesignRecord& design, FormatSettings& format, bool& cancelFlag)
    : design_(design), format_(format), cancel_(cancelFlag) {}

const std::string& LoadForm::Text(const char* field) const {
  static const std::string kEmpty;
  const auto found = fields.find(field);
  return found == fields.end() ? kEmpty : found->second;
}

double LoadForm::TorqueOf(const char* field) const {
  return ParseQuantity(Text(field), QuantityKind::Torque, format_.units);
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
  fields["Edit_p"] = PlainText(design_.power);
  fields["Edit_n"] = PlainText(design_.n);
  fields["Edit_tnenn"] = TorqueText(design_.TN);
  fields["Edit_tmax"] = TorqueText(design_.Tmax);
  fields["Edit_ka"] = PlainText(design_.KA);
  fields["Edit_klambda"] = PlainText(design_.Klambda);
  fields["Edit_fw"] = PlainText(design_.fW);
  fields["Edit_fl1"] = PlainText(design_.fL[0]);
  fields["Edit_fl2"] = PlainText(design_.fL[1]);
  // Filling the fields changes them, and every change refreshes the computed one.
  Recompute();
}

void LoadForm::WriteBack() {
  design_.power = ParseReal(Text("Edit_p"));
  design_.n = ParseReal(Text("Edit_n"));
  design_.TN = TorqueOf("Edit_tnenn");
  design_.computedQuantity = static_cast<ComputedQuantity>(mode >= 1 && mode <= 3 ? mode : 1);
  design_.Tmax = TorqueOf("Edit_tmax");
  design_.KA = ParseReal(Text("Edit_ka"));
  design_.Klambda = ParseReal(Text("Edit_klambda"));
  design_.fW = ParseReal(Text("Edit_fw"));
  design_.fL[0] = ParseReal(Text("Edit_fl1"));
  design_.fL[1] = ParseReal(Text("Edit_fl2"));
}

void LoadForm::SwitchUnits() {
  WriteBack();
  format_.units = format_.units == UnitSystem::English ? UnitSystem::Metric : UnitSystem::English;
  Fill();
}

void LoadForm::Recompute() {
  const double power = ParseReal(Text("Edit_p"));
  const double n = ParseReal(Text("Edit_n"));
  const double TN = TorqueOf("Edit_tnenn");
  switch (mode) {
    case 2:
      if (const auto speed = SpeedFrom(power, TN)) fields["Edit_n"] = PlainText(*speed);
      return;
    case 3:
      if (const auto torque = TorqueFrom(power, n)) fields["Edit_tnenn"] = TorqueText(*torque);
      return;
    default:
      fields["Edit_p"] = PlainText(PowerFrom(TN, n));
      return;
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

void LoadForm::Accept() {
  cancel_ = false;
  WriteBack();
}

}  // namespace zt6
