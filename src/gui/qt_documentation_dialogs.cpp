#include "gui/qt_documentation_dialogs.h"

#include "app/forms/change_form.h"
#include "app/forms/document_setup_form.h"
#include "app/forms/drawing_info_form.h"
#include "gui/change_window.h"
#include "gui/document_setup_window.h"
#include "gui/drawing_info_window.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

QString Today(const Program& program) {
  return FromCp850(TodayText(program.config.format.dateCode));
}

}  // namespace

bool QtDocumentationDialogs::ChangeRecord(int k) {
  DocumentationData& docs = program_.docs;
  if (k < 1 || k > static_cast<int>(docs.changeCount)) return false;
  bool& cancel = program_.shell.cancel;
  ChangeForm form(docs.changes[static_cast<std::size_t>(k - 1)], cancel);
  ChangeWindow window(form, k, Today(program_), program_.config.format.dateCode, prompts_, cancel,
                      parent_);
  return window.exec() == QDialog::Accepted;
}

bool QtDocumentationDialogs::DrawingInformation() {
  bool& cancel = program_.shell.cancel;
  DrawingInfoForm form(program_.docs, program_.config.format, cancel);
  DrawingInfoWindow window(form, prompts_, FromCp850(program_.config.releaseFieldText), Today(program_),
                           cancel, parent_);
  return window.exec() == QDialog::Accepted;
}

bool QtDocumentationDialogs::DocumentSetup() {
  bool& cancel = program_.shell.cancel;
  DocumentSetupForm form(program_.docs.documents, cancel);
  DocumentSetupWindow window(form, prompts_, cancel, parent_);
  return window.exec() == QDialog::Accepted;
}

}  // namespace zt6::gui
