#pragma once
// The documentation windows as desktop windows, each made for one showing.

#include <QWidget>

#include "app/ports/documentation_dialogs.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"

namespace zt6::gui {

class QtDocumentationDialogs : public DocumentationDialogs {
 public:
  QtDocumentationDialogs(Program& program, Prompts& prompts, QWidget* parent)
      : program_(program), prompts_(prompts), parent_(parent) {}

  bool ChangeRecord(int k) override;
  bool DrawingInformation() override;
  bool DocumentSetup() override;

 private:
  Program& program_;
  Prompts& prompts_;
  QWidget* parent_;
};

}  // namespace zt6::gui
