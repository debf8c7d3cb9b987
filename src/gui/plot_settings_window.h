#pragma once
// The plot program settings window: builds the plot program's command line from its
// controls. It starts from the defaults; untouched, it returns the line it was given.

#include <QDialog>
#include <string>

class QLabel;

namespace zt6::gui {

class PlotSettingsWindow : public QDialog {
  Q_OBJECT

 public:
  // line and temporaryFolder UTF-8.
  PlotSettingsWindow(const QString& line, const QString& temporaryFolder, QWidget* parent);
  QString Line() const { return line_; }

 private:
  void Rebuild();

  QString line_;
  QString temporaryFolder_;
  QLabel* commandLine_;
};

}  // namespace zt6::gui
