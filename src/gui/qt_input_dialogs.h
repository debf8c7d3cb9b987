#pragma once
// The input dialogs as desktop windows, each made for one showing.

#include <QWidget>

#include "app/lookups/table_access.h"
#include "app/ports/input_dialogs.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"

namespace zt6::gui {

class QtInputDialogs : public InputDialogs {
 public:
  QtInputDialogs(Program& program, Prompts& prompts, TableAccess& access, QWidget* parent)
      : program_(program), prompts_(prompts), access_(access), parent_(parent) {}

  bool DrawingIdentification() override;
  bool Dimensions() override;
  bool Material() override;
  bool Load() override;

 private:
  Program& program_;
  Prompts& prompts_;
  TableAccess& access_;
  QWidget* parent_;
};

}  // namespace zt6::gui
