#include "gui/parameter_study_window.h"

#include <QBuffer>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/assistant/assistant_captions.h"
#include "app/lookups/size_lookup.h"
#include "base/safe_file.h"
#include "gui/desktop_text.h"
#include "gui/painter_canvas.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

constexpr Rgb kWhite{255, 255, 255};

// The inputs a study can vary: the numbers among the design's inputs.
QStringList VariableInputs() {
  QStringList names;
  for (const RecordField& field : RecordFields()) {
    if (field.role == FieldRole::Input &&
        (field.kind == FieldKind::Real || field.kind == FieldKind::Whole))
      names << FromUtf8(field.name);
  }
  return names;
}

// The start, end and step a study of that input proposes: the design's value and
// its double, in ten steps.
void Propose(const DesignRecord& design, const QString& name, QLineEdit* from, QLineEdit* to,
             QLineEdit* step) {
  const RecordField* field = FindRecordField(ToUtf8(name));
  if (field == nullptr) return;
  const double value = NumberOf(*field, design);
  const double low = value > 0 ? value / 2 : 0;
  const double high = value > 0 ? value * 2 : 1;
  const bool whole = field->kind == FieldKind::Whole;
  const double stride = whole ? std::max(1.0, std::floor((high - low) / 10)) : (high - low) / 10;
  from->setText(QString::number(whole ? std::floor(low) : low));
  to->setText(QString::number(whole ? std::floor(high) : high));
  step->setText(QString::number(stride));
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setObjectName("Chart");
  setMinimumSize(kChartWidth * 2 / 3, kChartHeight * 2 / 3);
  setAutoFillBackground(false);
}

void ChartView::SetChart(SweepChart chart) {
  chart_ = std::move(chart);
  update();
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (chart_.series.empty()) return;
  PainterCanvas canvas(painter);
  DrawSweepChart(chart_, canvas, width(), height());
}

ParameterStudyWindow::ParameterStudyWindow(Program& program, TableAccess& access, Ui& ui,
                                           int language, QWidget* parent)
    : QDialog(parent), program_(program), access_(access), ui_(ui), language_(language) {
  setObjectName("TForm_parameterStudy");
  setWindowTitle(Caption("study.title"));
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(Caption("study.from"), this), 0, 2);
  grid->addWidget(new QLabel(Caption("study.to"), this), 0, 3);
  grid->addWidget(new QLabel(Caption("study.step"), this), 0, 4);
  const QStringList inputs = VariableInputs();
  for (int k = 0; k < 2; ++k) {
    const QString n = QString::number(k + 1);
    AxisFields& axis = axes_[k];
    axis.name = new QComboBox(this);
    axis.name->setObjectName("Combo_vary" + n);
    if (k == 1) axis.name->addItem(QString());
    axis.name->addItems(inputs);
    axis.from = new QLineEdit(this);
    axis.from->setObjectName("Edit_from" + n);
    axis.to = new QLineEdit(this);
    axis.to->setObjectName("Edit_to" + n);
    axis.step = new QLineEdit(this);
    axis.step->setObjectName("Edit_step" + n);
    grid->addWidget(new QLabel(Caption(k == 0 ? "study.vary" : "study.second"), this), k + 1, 0);
    grid->addWidget(axis.name, k + 1, 1);
    grid->addWidget(axis.from, k + 1, 2);
    grid->addWidget(axis.to, k + 1, 3);
    grid->addWidget(axis.step, k + 1, 4);
    connect(axis.name, &QComboBox::currentTextChanged, this, [this, k](const QString& name) {
      Propose(program_.design, name, axes_[k].from, axes_[k].to, axes_[k].step);
    });
  }
  axes_[0].name->setCurrentText("l");
  Propose(program_.design, "l", axes_[0].from, axes_[0].to, axes_[0].step);
  results_ = new QLineEdit("shaft.Seq,shaft.Smax,hub.Seq,hub.Smax", this);
  results_->setObjectName("Edit_results");
  grid->addWidget(new QLabel(Caption("study.results"), this), 3, 0);
  grid->addWidget(results_, 3, 1, 1, 4);

  view_ = new ChartView(this);
  const auto button = [this](const char* name, const char* caption) {
    auto* b = new QPushButton(Caption(caption), this);
    b->setObjectName(name);
    return b;
  };
  QPushButton* draw = button("Button_draw", "study.draw");
  QPushButton* svg = button("Button_svg", "study.svg");
  QPushButton* png = button("Button_png", "study.png");
  QPushButton* close = button("Button_close", "study.close");
  connect(draw, &QPushButton::clicked, this, [this] { Draw(); });
  connect(svg, &QPushButton::clicked, this, [this] { Export(true); });
  connect(png, &QPushButton::clicked, this, [this] { Export(false); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(draw);
  buttons->addStretch();
  buttons->addWidget(svg);
  buttons->addWidget(png);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
}

QString ParameterStudyWindow::Caption(const char* key) const {
  return FromUtf8(AssistantCaption(key, language_));
}

bool ParameterStudyWindow::Draw() {
  SweepTable table;
  std::string problem;
  for (const AxisFields& axis : axes_) {
    if (axis.name->currentText().isEmpty()) continue;
    const std::string text = ToUtf8(axis.name->currentText() + "=" + axis.from->text().trimmed() +
                                    ":" + axis.to->text().trimmed() + ":" +
                                    axis.step->text().trimmed());
    auto parsed = ParseSweepAxis(text);
    if (const auto* refused = std::get_if<std::string>(&parsed)) {
      problem = *refused;
      break;
    }
    table.axes.push_back(std::get<SweepAxis>(parsed));
  }
  if (problem.empty() && table.axes.size() == 2 && table.axes[0].field == table.axes[1].field)
    problem = ToUtf8(DesktopText::tr("die beiden Eingaben sind gleich"));
  if (problem.empty()) problem = SweepSizeProblem(table.axes);
  auto results = ParseChartResults(ToUtf8(results_->text()));
  if (problem.empty()) {
    if (const auto* refused = std::get_if<std::string>(&results)) problem = *refused;
  }
  if (!problem.empty()) {
    ui_.MessageBox("ZT6", AssistantCaption("study.bad", language_) + ": " + problem);
    return false;
  }
  table.results = std::get<std::vector<const RecordField*>>(results);
  DatabaseTables tables(access_);
  ui_.SetWaitCursor(true);
  RunSweep(program_.design, table.axes, tables,
           [&table](std::span<const double> values, const DesignRecord& point, const RunMessages&) {
             table.Add(values, point);
           });
  ui_.SetWaitCursor(false);
  program_.shell.cancel = false;
  view_->SetChart(ChartOfSweep(table));
  return true;
}

bool ParameterStudyWindow::Write(const std::string& path, const std::string& bytes) {
  const SafeWriteResult written = WriteFileSafely(path, bytes);
  if (written.ok) return true;
  ui_.MessageBox("ZT6", AssistantCaption("study.written", language_) + ": " + path + ": " +
                            written.error);
  return false;
}

bool ParameterStudyWindow::ExportSvg(const std::string& path) {
  return Write(path, SweepChartSvg(Chart()));
}

bool ParameterStudyWindow::ExportPng(const std::string& path) {
  QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(painter);
    DrawSweepChart(Chart(), canvas);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return Write(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void ParameterStudyWindow::Export(bool svg) {
  if (Chart().series.empty() && !Draw()) return;
  const std::optional<std::string> path =
      ui_.ChooseFileToWrite(program_.projectDirectory, svg ? "*.svg" : "*.png",
                            svg ? "parameterstudie.svg" : "parameterstudie.png");
  if (!path) return;
  if (svg)
    ExportSvg(*path);
  else
    ExportPng(*path);
}

void ShowParameterStudy(Program& program, TableAccess& access, Ui& ui, int language,
                        QWidget* parent) {
  ParameterStudyWindow window(program, access, ui, language, parent);
  window.exec();
}

}  // namespace zt6::gui
