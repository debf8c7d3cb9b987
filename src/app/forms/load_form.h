#pragma once
// The load dialog without its window: fields, the computed one of P, n and TN, the
// proposals, unit switch and write-back.

#include <string>
#include <string_view>

#include "app/forms/form_fields.h"
#include "app/forms/value_entry.h"
#include "base/format_settings.h"
#include "calc/design_record.h"

namespace zt6 {

class LoadForm {
 public:
  LoadForm(DesignRecord& design, FormatSettings& format, bool& cancelFlag);

  // Edit_p, Edit_n, Edit_tnenn, Edit_tmax, Edit_ka, Edit_klambda, Edit_fw, Edit_fl1,
  // Edit_fl2.
  FieldTexts fields;
  int mode = 1;  // RadioGroup1: 1 P computed, 2 n computed, 3 TN computed

  void Fill();
  void WriteBack();
  // Writes back, toggles the unit system, refills; false (nothing changes) while Check
  // refuses.
  bool SwitchUnits();
  // Refreshes the computed field from the other two (after any change of P, n, TN or
  // the mode).
  void Recompute();
  // Name of the field the mode computes (disabled in the window).
  std::string ComputedField() const;
  // Button_tmax, Button_ka, Button_klambda, Button_fw, Button_fl.
  void Propose(std::string_view button);
  std::string TorqueUnit() const;  // "Nm" or "lbfin"
  // The first field that holds no valid number: P, n and the torques 0 or more, the
  // factors above 0.
  std::optional<Refusal> Check() const;
  // OK: false when Check refuses; else clears the cancel flag and writes back.
  bool Accept();

 private:
  const std::string& Text(const char* field) const;
  // A field's value: the stored one while its text is unchanged, else the typed one.
  double TorqueOf(const char* field) const;  // N·m
  double ValueOf(const char* field) const;
  void ShowPlain(const char* field, double value);
  void ShowTorque(const char* field, double nm);
  std::string TorqueText(double nm) const;
  std::string PlainText(double value) const;

  DesignRecord& design_;
  FormatSettings& format_;
  bool& cancel_;
  ShownValues shown_;
};

}  // namespace zt6
