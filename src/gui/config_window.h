#pragma once
// The settings dialog "ZT6 Konfiguration": nine pages whose widgets are made and bound
// by the object names of the core's control table. OK applies, Save applies and
// writes the configuration file, Import refills the controls from another file.

#include <QDialog>
#include <QSize>
#include <functional>
#include <map>
#include <string>

#include "app/forms/configuration_form.h"
#include "app/state/program.h"

class QGridLayout;
class QTabWidget;

namespace zt6::gui {

// The size of the screen a window is on (the batch size without one).
QSize ScreenSizeOf(const QWidget* widget);

// What the dialog asks of the main window.
struct ConfigWindowHost {
  std::function<void()> applied;                      // after OK and Save applied
  std::function<void(int width, int height)> resize;  // the drawing area, at once
  std::function<DesktopMetrics()> metrics;
};

class ConfigWindow : public QDialog {
  Q_OBJECT

 public:
  ConfigWindow(Program& program, Prompts& prompts, ConfigWindowHost host, QWidget* parent);

  ConfigurationForm& Form() { return form_; }
  // Abbrechen: the background colour shown at once goes back to the one last applied.
  void reject() override;
  // Widgets -> form texts, and back.
  void Pull();
  void Push();

 private:
  struct Binding {
    std::function<std::string()> get;
    std::function<void(const std::string&)> set;
  };

  QWidget* BuildPage(const ConfigurationPage& page);
  QWidget* ControlWidget(const ConfigurationControl& control, QWidget* page);
  void AddPageButtons(const std::string& page, QWidget* pageWidget, QGridLayout* grid,
                      int& row);
  bool ApplyControls();
  void Save();
  void Import();
  void PickColour(const char* grid, int column);
  void ChooseFont(bool printout);
  void ChooseBackground();
  void EditPlotLine(bool withSettingsWindow);
  ApplyContext Context() const;

  Program& program_;
  Prompts& prompts_;
  ConfigWindowHost host_;
  ConfigurationForm form_;
  QTabWidget* pages_;
  std::map<std::string, Binding> bindings_;
  int appliedBackground_ = 0;
};

}  // namespace zt6::gui
