#include "gui/qt_input_dialogs.h"

#include "app/forms/dimension_form.h"
#include "app/forms/identification_form.h"
#include "app/forms/load_form.h"
#include "app/forms/material_form.h"
#include "gui/dimensions_window.h"
#include "gui/identification_window.h"
#include "gui/load_window.h"
#include "gui/material_window.h"
#include "gui/qt_text.h"

namespace zt6::gui {

bool QtInputDialogs::DrawingIdentification() {
  bool& cancel = program_.shell.cancel;
  IdentificationForm form(program_.design.drawing, program_.config.format, cancel);
  // The program title, without the project name the main window adds.
  IdentificationWindow window(form, FromCp850(ProgramTitleLine(program_.words["Kerbverzahnung"])),
                              cancel, parent_);
  return window.exec() == QDialog::Accepted;
}

bool QtInputDialogs::Dimensions() {
  bool& cancel = program_.shell.cancel;
  DimensionForm form(program_.design, program_.messages, program_.config.format, program_.words,
                     access_, cancel);
  DimensionsWindow window(form, prompts_, cancel, parent_);
  return window.exec() == QDialog::Accepted;
}

bool QtInputDialogs::Material() {
  bool& cancel = program_.shell.cancel;
  MaterialForm form(program_.design, program_.messages, program_.config.format, access_, cancel,
                    program_.words);
  MaterialWindow window(form, prompts_, cancel, parent_);
  return window.exec() == QDialog::Accepted;
}

bool QtInputDialogs::Load() {
  bool& cancel = program_.shell.cancel;
  LoadForm form(program_.design, program_.config.format, cancel);
  LoadWindow window(form, prompts_, cancel, parent_);
  return window.exec() == QDialog::Accepted;
}

}  // namespace zt6::gui
