#pragma once
// The dimensions dialog without its window: field texts filled from the design record
// in the current unit system, the "<" proposals, the unit switch, the DIN 5481 pick
// and the write-back on OK.

#include <string>
#include <string_view>

#include "app/forms/form_fields.h"
#include "app/forms/value_entry.h"
#include "app/lookups/table_access.h"
#include "base/format_settings.h"
#include "calc/design_record.h"
#include "calc/run_messages.h"
#include "report/vocabulary.h"

namespace zt6 {

class DimensionForm {
 public:
  DimensionForm(DesignRecord& design, RunMessages& messages, FormatSettings& format,
                const Vocabulary& words, TableAccess& access, bool& cancelFlag);

  // Edit_name, Edit_d1, Edit_d3, Edit_d5, Edit_z, Edit_beta, Edit_rimax, Edit_remax,
  // Edit_tgi, Edit_tge, Edit_dri, Edit_dre, Edit_l.
  FieldTexts fields;
  int source = 1;          // RadioGroup_abm: 1 Database DIN 5481, 2 self-defined
  int toleranceClass = 1;  // RadioGroup_tol: 1 fein, 2 grob

  void Fill();
  void WriteBack();
  // Writes back, toggles the program's unit system, refills; refused (nothing changes)
  // while a field that would be written back holds no valid number (false).
  bool SwitchUnits();
  // A "<" button by its object name (Button_d, Button_z, Button_beta, Button_rimax,
  // Button_remax, Button_tgi, Button_tge, Button_dri, Button_dre, Button_l).
  void Propose(std::string_view button);
  // Button_db: a DIN 5481 row and its tolerance row into the design, fields refilled;
  // the cancel flag is cleared afterwards whatever happened.
  void PickDin5481();
  // The same for the row named by its designation, as a command line names it instead
  // of picking it ("21x24"); false when the table has no such row or cannot be read.
  bool TakeDin5481(std::string_view designation);
  // With "self-defined" the dimension fields and their buttons are enabled, Button_db
  // and RadioGroup_tol are for the database source.
  bool DimensionsEnabled() const { return source == 2; }
  // The unit system the lengths are shown in.
  UnitSystem Units() const { return format_.units; }

  // Label of a field (Edit_d1 ...), the caption of RadioGroup_tol ("RadioGroup_tol")
  // and the items of the tolerance class ("fein"/"grob" as "RadioGroup_tol1"/"2").
  std::string Label(std::string_view name) const;
  // The first field that would be written back and holds no valid number: l always,
  // the dimensions when they are self-defined (z a whole number of 3 or more, gamma e
  // between 0 and 180, diameters and l above 0, the others 0 or more).
  std::optional<Refusal> Check() const;
  // OK: false when Check refuses (the dialog stays open with the focus on that field,
  // the record unchanged); else clears the cancel flag and writes back.
  bool Accept();

 private:
  // Designation and the dimensions, not l.
  void FillDimensions();
  // After a size row was taken: its tolerance row, then the fields.
  void TakeToleranceRow();
  void ProposeFilletRadius(bool hub);
  // A proposal's text; a stored value is shown with as many decimals as it needs.
  std::string LengthText(double mm) const;
  void ShowLength(const std::string& field, double mm);
  // The field's text as a length in mm.
  double LengthOf(std::string_view field) const;
  const std::string& Text(std::string_view field) const;

  DesignRecord& design_;
  RunMessages& messages_;
  FormatSettings& format_;
  const Vocabulary& words_;
  TableAccess& access_;
  bool& cancel_;
  ShownValues shown_;
};

}  // namespace zt6
