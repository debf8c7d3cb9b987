#include "gui/plot_settings_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cad/plot_command_line.h"
#include "gui/desktop_text.h"
#include "gui/dialog_placement.h"
#include "gui/help_display.h"
#include "gui/file_filter.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

QLineEdit* Edit(QWidget* parent, const char* name, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  return edit;
}

QGroupBox* RadioGroup(QWidget* parent, const char* name, const QString& caption,
                      const QStringList& items, int checked, QButtonGroup*& group) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], box);
    group->addButton(button, i + 1);
    layout->addWidget(button);
  }
  group->button(checked)->setChecked(true);
  return box;
}

}  // namespace

PlotSettingsWindow::PlotSettingsWindow(const QString& line, const QString& temporaryFolder,
                                       QWidget* parent)
    : QDialog(parent), line_(line), temporaryFolder_(temporaryFolder),
      commandLine_(new QLabel(line, this)) {
  setObjectName("TForm_confplotrix");
  setWindowTitle("PLOTRIX");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);

  const PlotWindowFields defaults;
  auto* path = Edit(this, "Edit_plotrixPath", FromCp850(defaults.programPath));
  auto* pathButton = new QPushButton("...", this);
  pathButton->setObjectName("Button_plotrixpath");
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(path, 1);
  pathRow->addWidget(pathButton);
  auto* pathLabel = new QLabel(DesktopText::tr("PLOTRIX Programmverzeichnis"), this);
  pathLabel->setObjectName("Label_plotrixpath");
  form->addRow(pathLabel, pathRow);

  QButtonGroup* formats = nullptr;
  QButtonGroup* interfaces = nullptr;
  auto* groups = new QHBoxLayout;
  groups->addWidget(RadioGroup(this, "RadioGroup_outcode", DesktopText::tr("Ausgabeformat"),
                               {"HP-GL Laserjet (HPL)", "Postscript (PS)", "HP-GL Plotter (PLT)",
                                "HP-GL/2 (PL2)", "Aristo (ART)"},
                               1, formats));
  groups->addWidget(RadioGroup(
      this, "RadioGroup_d", DesktopText::tr("Ausgabeschnittstelle"),
      {DesktopText::tr("seriell"), DesktopText::tr("parallel"), DesktopText::tr("Datei")}, 2,
      interfaces));
  layout->addLayout(groups);

  auto* form2 = new QFormLayout;
  layout->addLayout(form2);
  auto* com = Edit(this, "Edit_com", "1");
  auto* lpt = Edit(this, "Edit_lpt", "1");
  form2->addRow("COM", com);
  form2->addRow("LPT", lpt);
  auto* outDir = Edit(this, "Edit_outdir", temporaryFolder);
  auto* outDirButton = new QPushButton(DesktopText::tr("Verz..."), this);
  outDirButton->setObjectName("Button_outDir");
  auto* tempButton = new QPushButton("<", this);
  tempButton->setObjectName("Button_tempdir");
  auto* outRow = new QHBoxLayout;
  outRow->addWidget(outDir, 1);
  outRow->addWidget(outDirButton);
  outRow->addWidget(tempButton);
  form2->addRow("", outRow);
  auto* scale = Edit(this, "Edit_scale", "1");
  auto* scaleLabel = new QLabel(DesktopText::tr("Maßstab"), this);
  scaleLabel->setObjectName("Label_scale");
  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(scale);
  scaleRow->addWidget(new QLabel(": 1", this));
  form2->addRow(scaleLabel, scaleRow);
  auto* fit = new QCheckBox(DesktopText::tr("Maßstab anpassen ?"), this);
  fit->setObjectName("CheckBox_scale");
  auto* rotate = new QCheckBox(DesktopText::tr("Plot um 90 Grad drehen ?"), this);
  rotate->setObjectName("CheckBox_rotate");
  form2->addRow(fit);
  form2->addRow(rotate);
  auto* xShift = Edit(this, "Edit_xnull", "0");
  auto* yShift = Edit(this, "Edit_ynull", "0");
  form2->addRow(DesktopText::tr("Nullpunktverschiebung in x-Richtung"), xShift);
  form2->addRow(DesktopText::tr("Nullpunktverschiebung in y-Richtung"), yShift);
  auto* width = Edit(this, "Edit_textbreitenfaktor", "1");
  form2->addRow(DesktopText::tr("Textbreitenfaktor"), width);
  auto* font = new QComboBox(this);
  font->setObjectName("ComboBox_psfont");
  font->setEditable(true);
  for (const char* name : PlotPostScriptFonts()) font->addItem(name);
  font->setCurrentText(QString());
  auto* fontLabel = new QLabel(DesktopText::tr("Postscript-Zeichensatz"), this);
  fontLabel->setObjectName("Label_psfont");
  form2->addRow(fontLabel, font);

  commandLine_->setObjectName("Label_commandline");
  commandLine_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  commandLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form2->addRow(DesktopText::tr("Befehlszeile:"), commandLine_);

  auto* buttons = new QHBoxLayout;
  auto* help = new QPushButton(DesktopText::tr("&Hilfe"), this);
  help->setObjectName("Button_help");
  help->setAutoDefault(false);
  auto* cancel = new QPushButton(DesktopText::tr("Abbrechen"), this);
  cancel->setObjectName("Button_cancel");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  buttons->addWidget(help);
  buttons->addStretch(1);
  buttons->addWidget(cancel);
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [] { ShowHelp(2055, HelpMode::Text); });
  // Each control's help text as its tooltip, while the help level asks for them.
  const std::pair<const char*, int> hints[] = {
      {"Edit_plotrixPath", 2080}, {"Label_plotrixpath", 2080}, {"Edit_outdir", 2130},
      {"RadioGroup_outcode", 2090}, {"RadioGroup_d", 2120}, {"Edit_com", 2120},
      {"Edit_lpt", 2120}, {"Edit_scale", 2140}, {"CheckBox_scale", 2140},
      {"CheckBox_rotate", 2145}, {"Edit_xnull", 2150}, {"Edit_ynull", 2150},
      {"Edit_textbreitenfaktor", 2160}, {"ComboBox_psfont", 2280}};
  for (const auto& [name, number] : hints) SetHelpHint(findChild<QWidget*>(name), number);

  auto enable = [=, this] {
    const int port = interfaces->checkedId();
    com->setEnabled(port == 1);
    lpt->setEnabled(port == 2);
    outDir->setEnabled(port == 3);
    outDirButton->setEnabled(port == 3);
    tempButton->setEnabled(port == 3);
    font->setEnabled(formats->checkedId() == 2);
  };
  enable();
  // Every change but the font alone rebuilds the line.
  auto rebuild = [=, this] {
    enable();
    PlotWindowFields f;
    f.programPath = ToCp850(path->text());
    f.temporaryFolder = ToCp850(temporaryFolder_);
    f.format = static_cast<PlotFormat>(formats->checkedId());
    f.outputInterface = static_cast<PlotInterface>(interfaces->checkedId());
    f.com = ToCp850(com->text());
    f.lpt = ToCp850(lpt->text());
    f.outputFolder = ToCp850(outDir->text());
    f.scale = ToCp850(scale->text());
    f.fit = fit->isChecked();
    f.rotate = rotate->isChecked();
    f.xShift = ToCp850(xShift->text());
    f.yShift = ToCp850(yShift->text());
    f.textWidthFactor = ToCp850(width->text());
    f.font = ToCp850(font->currentText());
    line_ = FromCp850(PlotWindowLine(f));
    commandLine_->setText(line_);
  };
  for (QLineEdit* edit : {path, com, lpt, outDir, scale, xShift, yShift, width}) {
    connect(edit, &QLineEdit::textEdited, this, rebuild);
  }
  connect(formats, &QButtonGroup::idClicked, this, rebuild);
  connect(interfaces, &QButtonGroup::idClicked, this, rebuild);
  connect(rotate, &QCheckBox::toggled, this, rebuild);
  connect(fit, &QCheckBox::toggled, this, [=, this](bool on) {
    scale->setEnabled(!on);
    if (on) scale->setText("0");
    rebuild();
  });
  connect(tempButton, &QPushButton::clicked, this, [=, this] {
    outDir->setText(temporaryFolder_);
    rebuild();
  });
  connect(outDirButton, &QPushButton::clicked, this, [=, this] {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, DesktopText::tr("Verzeichnis wählen"), outDir->text());
    if (chosen.isEmpty()) return;
    outDir->setText(chosen);
    rebuild();
  });
  connect(pathButton, &QPushButton::clicked, this, [=, this] {
    const QString chosen = QFileDialog::getOpenFileName(
        this, {}, path->text(),
        QtFileFilter(ToUtf8(
            DesktopText::tr("PLOTRIX für Windows|wplotrix*|PLOTRIX für MS-DOS|plotrix*|*.*|*.*"))));
    if (chosen.isEmpty()) return;
    path->setText(chosen);
    rebuild();
  });
  PlaceDialog(*this);
}

}  // namespace zt6::gui
