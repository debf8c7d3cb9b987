#include "gui/print_config_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/commands/print_drawing.h"
#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_placement.h"
#include "gui/form_binding.h"
#include "gui/printer_info_window.h"
#include "gui/qt_printer.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

constexpr int kNameWidth = 40;

QRadioButton* Radio(QWidget* parent, const char* name, const QString& text) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(name);
  return radio;
}

}  // namespace

PrintConfigWindow::PrintConfigWindow(Program& program, TableAccess& access, QtPrinter& printer,
                                     bool setupMode, std::int64_t& lastRecord, QWidget* parent)
    : QDialog(parent),
      program_(program),
      access_(access),
      printer_(printer),
      setupMode_(setupMode),
      lastRecord_(lastRecord) {
  setObjectName("TForm_printconf");
  setWindowTitle(DesktopText::tr("Ausdruck"));
  auto* layout = new QVBoxLayout(this);
  printerName_ = new QLabel(this);
  printerName_->setObjectName("Label_printer");
  printerName_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(printerName_);

  auto* values = new QFormLayout;
  auto edit = [this, values](const char* name, const QString& label) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    values->addRow(label, e);
    return e;
  };
  scaleX_ = edit("Edit_scalex", DesktopText::tr("Maßstab x"));
  scaleY_ = edit("Edit_scaley", DesktopText::tr("Maßstab y"));
  originX_ = edit("Edit_originx", DesktopText::tr("Ursprung x"));
  originY_ = edit("Edit_originy", DesktopText::tr("Ursprung y"));
  layout->addLayout(values);

  auto* checks = new QHBoxLayout;
  frame_ = new QCheckBox(DesktopText::tr("Umrandung"), this);
  frame_->setObjectName("CheckBox_border");
  fit_ = new QCheckBox(DesktopText::tr("anpassen"), this);
  fit_->setObjectName("CheckBox_fit");
  checks->addWidget(frame_);
  checks->addWidget(fit_);
  layout->addLayout(checks);

  auto* groups = new QHBoxLayout;
  auto* shading = new QGroupBox(DesktopText::tr("Schattierung"), this);
  shading->setObjectName("RadioGroup_colour");
  auto* shadingLayout = new QVBoxLayout(shading);
  monochrome_ = Radio(shading, "RadioButton_mono", DesktopText::tr("Monochrom"));
  colour_ = Radio(shading, "RadioButton_colour", DesktopText::tr("Farbe / Graustufen"));
  shadingLayout->addWidget(monochrome_);
  shadingLayout->addWidget(colour_);
  auto* orientation = new QGroupBox(DesktopText::tr("Ausdruck"), this);
  orientation->setObjectName("RadioGroup_orientation");
  auto* orientationLayout = new QVBoxLayout(orientation);
  portrait_ = Radio(orientation, "RadioButton_portrait", DesktopText::tr("Hochformat"));
  landscape_ = Radio(orientation, "RadioButton_landscape", DesktopText::tr("Querformat"));
  orientationLayout->addWidget(portrait_);
  orientationLayout->addWidget(landscape_);
  groups->addWidget(shading);
  groups->addWidget(orientation);
  layout->addLayout(groups);

  auto* tables = new QHBoxLayout;
  QPushButton* db = NamedButton(this, "Button_db", DesktopText::tr("Datenbank"));
  QPushButton* append =
      NamedButton(this, "Button_append", DesktopText::tr("Ü&bernehmen Datenbank"));
  QPushButton* printerButton = NamedButton(this, "Button_printer", DesktopText::tr("Drucker..."));
  tables->addWidget(db);
  tables->addWidget(append);
  tables->addWidget(printerButton);
  layout->addLayout(tables);
  auto* buttons = new QHBoxLayout;
  const auto [ok, cancel] = OkCancelButtons(this);
  QPushButton* help = HelpButton(this, "Button_help", DesktopText::tr("&Hilfe"), "Hilfe 1030");
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, [this] { Button_okClick(); });
  connect(cancel, &QPushButton::clicked, this, &PrintConfigWindow::reject);
  connect(db, &QPushButton::clicked, this, [this] { Button_dbClick(); });
  connect(append, &QPushButton::clicked, this, [this] { Button_appendClick(); });
  connect(printerButton, &QPushButton::clicked, this, [this] { Button_printerClick(); });

  // The configured orientation is applied to the printer, then shown as it has it; a
  // paper sheet (a manufacturing drawing) goes on paper of its own orientation.
  const std::array<double, 2> sheet = program_.drawing.PaperSheet();
  printer_.SetLandscape(sheet[0] > 0 ? sheet[0] > sheet[1] : program_.config.printOrientation != 1);
  PrintConfigFields shown = PrintConfigFieldsOf(program_.config, printer_.Landscape());
  shown.fit = printer_.fitToPage;
  shownOrientation_ = shown.orientationIndex;
  Show(shown);
  ShowPrinterName();
  PlaceDialog(*this);
}

PrintConfigFields PrintConfigWindow::Fields() const {
  PrintConfigFields f;
  f.scaleX = ToUtf8(scaleX_->text());
  f.scaleY = ToUtf8(scaleY_->text());
  f.originX = ToUtf8(originX_->text());
  f.originY = ToUtf8(originY_->text());
  f.frame = frame_->isChecked();
  f.fit = fit_->isChecked();
  f.colourIndex = colour_->isChecked() ? 1 : 0;
  f.orientationIndex = landscape_->isChecked() ? 1 : 0;
  return f;
}

void PrintConfigWindow::Show(const PrintConfigFields& f) {
  scaleX_->setText(FromUtf8(f.scaleX));
  scaleY_->setText(FromUtf8(f.scaleY));
  originX_->setText(FromUtf8(f.originX));
  originY_->setText(FromUtf8(f.originY));
  frame_->setChecked(f.frame);
  fit_->setChecked(f.fit);
  (f.colourIndex == 1 ? colour_ : monochrome_)->setChecked(true);
  (f.orientationIndex == 1 ? landscape_ : portrait_)->setChecked(true);
}

void PrintConfigWindow::ShowPrinterName() {
  QPrinter& device = printer_.Device();
  QString name = device.outputFormat() == QPrinter::PdfFormat
                     ? "PDF: " + device.outputFileName()
                     : device.printerName();
  if (name.size() > kNameWidth) name = name.left(kNameWidth);
  printerName_->setText(name);
}

bool PrintConfigWindow::FieldsTaken() {
  const std::optional<Refusal> refused = CheckPrintConfig(Fields());
  if (!refused) return true;
  ShowRefusal(refused->message, access_.prompts());
  if (auto* edit = findChild<QLineEdit*>(FromUtf8(refused->field))) {
    edit->setFocus();
    edit->selectAll();
  }
  return false;
}

void PrintConfigWindow::Button_okClick() {
  if (!FieldsTaken()) return;
  program_.shell.cancel = false;
  const PrintConfigFields fields = Fields();
  const int configured = program_.config.printOrientation;
  printer_.SetLandscape(TakePrintConfigOver(fields, program_.config));
  // A sheet's own orientation, left as shown, is no new setting for other drawings.
  if (program_.drawing.PaperSheet()[0] > 0 && fields.orientationIndex == shownOrientation_)
    program_.config.printOrientation = configured;
  printer_.fitToPage = fields.fit;
  ApplyPrintSettings(program_.drawing, program_.config);
  if (setupMode_) {
    // Qt knows the printer without a print job; an empty job would waste a sheet.
    PrinterInfoWindow info(printer_.Device(), this);
    info.exec();
    accept();
    return;
  }
  QPrinter& device = printer_.Device();
  // No printer on this system: the print dialog offers a PDF file instead.
  if (device.outputFormat() == QPrinter::NativeFormat && device.printerName().isEmpty() &&
      !QtPrinter::SystemPrintDialog(device, 1)) {
    return;
  }
  if (fields.fit && onFitToPage) onFitToPage();
  PrintDrawing(program_.drawing, printer_, fields.fit);
  accept();
}

void PrintConfigWindow::reject() {
  program_.shell.cancel = true;
  QDialog::reject();
}

void PrintConfigWindow::Button_dbClick() {
  PrintConfigFields f = Fields();
  if (PickPrintConfig(program_, access_, f, lastRecord_)) Show(f);
}

void PrintConfigWindow::Button_appendClick() {
  if (!FieldsTaken()) return;
  StorePrintConfig(program_, access_, Fields());
}

void PrintConfigWindow::Button_printerClick() {
  if (!QtPrinter::SystemPrintDialog(printer_.Device(), 1)) return;
  ShowPrinterName();
  (printer_.Landscape() ? landscape_ : portrait_)->setChecked(true);
}

}  // namespace zt6::gui
