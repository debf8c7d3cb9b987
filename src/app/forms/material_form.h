#pragma once
// The material dialog without its window: the fields of shaft (1) and hub (2), the
// permissible-pressure lines, the material database buttons, unit switch, write-back.

#include <array>
#include <string>

#include "app/forms/form_fields.h"
#include "app/forms/value_entry.h"
#include "app/lookups/table_access.h"
#include "base/format_settings.h"
#include "calc/design_record.h"
#include "calc/run_messages.h"
#include "report/vocabulary.h"

namespace zt6 {

class MaterialForm {
 public:
  // The object names of one group's fields; the two groups spell them differently.
  struct GroupFields {
    const char* number;
    const char* name;
    const char* Re;
    const char* fS;
    const char* fH;
  };
  static constexpr std::array<GroupFields, 2> kGroups{{
      {"Edit_ident1", "Edit_Name1", "Edit_Re1", "Edit_fs1", "Edit_fh1"},
      {"Edit_ident2", "Edit_name2", "Edit_re2", "Edit_fs2", "Edit_fh2"},
  }};

  // words: the program's vocabulary, for the captions in its language.
  MaterialForm(DesignRecord& design, RunMessages& messages, FormatSettings& format,
               TableAccess& access, bool& cancelFlag, const Vocabulary& words);

  // Edit_ident1, Edit_Name1, Edit_Re1, Edit_fs1, Edit_fh1, Edit_ident2, Edit_name2,
  // Edit_re2, Edit_fs2, Edit_fh2.
  FieldTexts fields;

  void Fill();
  void WriteBack();
  // Writes back, toggles the unit system, refills; false (nothing changes) while Check
  // refuses.
  bool SwitchUnits();
  // "plim = Re * fs * fH = " + value + " " + unit, from the current field texts.
  std::string PressureLine(int part) const;
  // Caption of Button1 / Button2.
  std::string DatabaseButtonCaption(int part) const;
  // Button1 / Button2: choose from the material database; fields refilled; the cancel
  // flag is cleared afterwards.
  void PickMaterial(int part);
  // "MPa" or "psi".
  std::string StressUnit() const;
  // The first of Re, fS, fH (shaft, then hub) that is no number above 0.
  std::optional<Refusal> Check() const;
  // OK: false when Check refuses; else clears the cancel flag and writes back.
  bool Accept();

 private:
  // The five fields of part 1 (shaft) or 2 (hub).
  void FillPart(int part);
  const std::string& Text(const char* field) const;

  DesignRecord& design_;
  RunMessages& messages_;
  FormatSettings& format_;
  TableAccess& access_;
  bool& cancel_;
  const Vocabulary& words_;
  ShownValues shown_;
};

}  // namespace zt6
