#include "app/assistant/size_row.h"

#include "app/forms/dimension_form.h"
#include "base/number_parse.h"

namespace zt6 {

bool TakeSizeRow(Program& program, TableAccess& access, DesignRecord& design,
                 std::string_view designation, std::optional<ToleranceClass> toleranceClass) {
  DimensionForm form(design, program.messages, program.config.format, program.words, access,
                     program.shell.cancel);
  form.Fill();
  form.source = static_cast<int>(DimensionSource::Database);
  if (toleranceClass) form.toleranceClass = static_cast<int>(*toleranceClass);
  if (!form.TakeDin5481(designation)) return false;
  // OK refuses a width that reads as 0, as in a new design; the user takes the
  // proposal then.
  if (ParseReal(form.fields["Edit_l"]) == 0) form.Propose("Button_l");
  form.Accept();
  return true;
}

}  // namespace zt6
