#pragma once
// Extras -> "Parameterstudie...": one or two inputs of the current design varied, the
// chosen results drawn over the first as the chart of "zt6 sweep --plot", exported as
// SVG or PNG.

#include <QDialog>
#include <QWidget>

#include "app/assistant/sweep_chart.h"
#include "app/lookups/table_access.h"
#include "app/ports/ui.h"
#include "app/state/program.h"

class QComboBox;
class QLineEdit;

namespace zt6::gui {

// Paints a chart at the widget's size.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(QWidget* parent);
  void SetChart(SweepChart chart);
  const SweepChart& Chart() const { return chart_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SweepChart chart_;
};

class ParameterStudyWindow : public QDialog {
  Q_OBJECT

 public:
  ParameterStudyWindow(Program& program, TableAccess& access, Ui& ui, int language,
                       QWidget* parent);

  // Button_draw: calculates the study and shows its chart; false (with a message) when
  // the inputs are refused.
  bool Draw();
  // The chart as an SVG document or a PNG picture of the chart's standard size,
  // written safely; false with a message when the file cannot be written.
  bool ExportSvg(const std::string& path);
  bool ExportPng(const std::string& path);
  const SweepChart& Chart() const { return view_->Chart(); }

 private:
  QString Caption(const char* key) const;
  void Export(bool svg);
  bool Write(const std::string& path, const std::string& bytes);

  Program& program_;
  TableAccess& access_;
  Ui& ui_;
  int language_;
  struct AxisFields {
    QComboBox* name;
    QLineEdit* from;
    QLineEdit* to;
    QLineEdit* step;
  };
  AxisFields axes_[2];
  QLineEdit* results_;
  ChartView* view_;
};

void ShowParameterStudy(Program& program, TableAccess& access, Ui& ui, int language,
                        QWidget* parent);

}  // namespace zt6::gui
