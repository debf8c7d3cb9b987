#include "gui/text_windows.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

#include "base/codepage.h"
#include "gui/desktop_text.h"
#include "gui/dialog_placement.h"
#include "gui/help_display.h"
#include "gui/qt_printer.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

QPushButton* OkButton(QDialog* dialog) {
  auto* ok = new QPushButton("OK", dialog);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  return ok;
}

}  // namespace

ShowScreenWindow::ShowScreenWindow(const std::vector<std::string>& utf8Lines, QWidget* parent)
    : QDialog(parent) {
  setObjectName("TShowScreen");
  setWindowTitle("ZT6");
  auto* layout = new QVBoxLayout(this);
  auto* memo = new QPlainTextEdit(this);
  memo->setObjectName("Memo1");
  memo->setReadOnly(true);
  memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  QStringList lines;
  for (std::size_t i = 0; i < utf8Lines.size() && i < 22; ++i) lines << FromUtf8(utf8Lines[i]);
  memo->setPlainText(lines.join('\n'));
  memo->setMinimumSize(640, 400);
  layout->addWidget(memo);
  layout->addWidget(OkButton(this), 0, Qt::AlignHCenter);
  PlaceDialog(*this);
}

MessageWindow::MessageWindow(const QString& message, const QString& cause,
                             const QString& remedy, QWidget* parent)
    : QDialog(parent), cause_(new QPlainTextEdit(this)), remedy_(new QPlainTextEdit(this)) {
  setObjectName("Thelperr");
  setWindowTitle(DesktopText::tr("Fehlermeldung"));
  auto* layout = new QVBoxLayout(this);
  auto addLabel = [this, layout](const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    layout->addWidget(label);
  };
  addLabel("Label_meldung", DesktopText::tr("Fehlermeldung"));
  auto* messageEdit = new QLineEdit(message, this);
  messageEdit->setObjectName("Edit_meldung");
  messageEdit->setReadOnly(true);
  layout->addWidget(messageEdit);
  addLabel("Label_ursache", DesktopText::tr("Ursache"));
  cause_->setObjectName("Memo_ursache");
  cause_->setPlainText(cause);
  layout->addWidget(cause_);
  addLabel("Label_abhilfe", DesktopText::tr("Abhilfe"));
  remedy_->setObjectName("Memo_abhilfe");
  remedy_->setPlainText(remedy);
  layout->addWidget(remedy_);
  connect(cause_, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
  connect(remedy_, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });

  auto* row = new QHBoxLayout;
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  auto* help = new QPushButton(DesktopText::tr("&Hilfe"), this);
  help->setObjectName("Button_help");
  help->setAutoDefault(false);
  row->addWidget(ok);
  row->addWidget(help);
  layout->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &MessageWindow::Confirm);
  connect(help, &QPushButton::clicked, this, [] { ShowHelp(1970, HelpMode::Text); });
  // Opened to be read and confirmed: Enter closes it instead of breaking a line in the cause.
  ok->setFocus();
  resize(560, 420);
  PlaceDialog(*this);
}

void MessageWindow::Confirm() {
  if (changed_) {
    QMessageBox question(QMessageBox::Question, "ZT6", DesktopText::tr("Änderungen speichern ?"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    question.setObjectName("SaveChanges");
    saveConfirmed = question.exec() == QMessageBox::Yes;
  }
  accept();
}

QString MessageWindow::Cause() const { return cause_->toPlainText(); }
QString MessageWindow::Remedy() const { return remedy_->toPlainText(); }

ReportTextWindow::ReportTextWindow(const std::string& path,
                                   std::function<void(const std::string&)> openInEditor,
                                   QWidget* parent)
    : QDialog(parent), memo_(new QPlainTextEdit(this)) {
  setObjectName("TForm_showtextfile");
  const QString file = FromUtf8(path);
  setWindowTitle("ZT6 - " + file);
  auto* layout = new QVBoxLayout(this);
  auto* menu = new QMenuBar(this);
  QMenu* fileMenu = menu->addMenu(DesktopText::tr("&Datei"));
  fileMenu->setObjectName("mi_datei");
  QAction* exportNotepad = fileMenu->addAction(DesktopText::tr("Im &Editor öffnen"));
  exportNotepad->setObjectName("mi_dateiExportNotepad");
  QAction* print = fileMenu->addAction(DesktopText::tr("&Drucken..."));
  print->setObjectName("mi_DateiDrucken");
  QAction* quit = fileMenu->addAction(DesktopText::tr("&Beenden"));
  quit->setObjectName("mi_dateiBeenden");
  QMenu* editMenu = menu->addMenu(DesktopText::tr("&Bearbeiten"));
  QAction* markAll = editMenu->addAction(DesktopText::tr("Alles aus&wählen"));
  markAll->setObjectName("mi_EditMarkAll");
  QAction* copy = editMenu->addAction(DesktopText::tr("&Kopieren"));
  copy->setObjectName("mi_EditCopy");
  layout->setMenuBar(menu);

  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  std::ifstream in(path, std::ios::binary);
  if (in) {
    std::ostringstream bytes;
    bytes << in.rdbuf();
    memo_->setPlainText(FromUtf8(Cp1252ToUtf8(bytes.str())));
  } else {
    memo_->setPlainText(DesktopText::tr("%1 nicht gefunden !").arg(file));
  }
  layout->addWidget(memo_);

  connect(quit, &QAction::triggered, this, &QDialog::accept);
  connect(markAll, &QAction::triggered, memo_, &QPlainTextEdit::selectAll);
  connect(copy, &QAction::triggered, memo_, &QPlainTextEdit::copy);
  // A windowed text editor of the desktop stands in for Notepad.
  connect(exportNotepad, &QAction::triggered, this, [path, openInEditor] {
    if (openInEditor) openInEditor(path);
  });
  connect(print, &QAction::triggered, this, [this, path] {
    if (printFile) {
      printFile(path);
    } else {
      ShowNotAvailable(this, DesktopText::tr("Drucken"));
    }
  });
  resize(820, 600);
  PlaceDialog(*this);
}

void ReportTextWindow::UseSettings(const PrintFont& font, TextWindowPlace& place) {
  memo_->setFont(PrintoutFont(font));
  place_ = &place;
  if (place.width > 0 && place.height > 0) {
    resize(place.width, place.height);
    move(place.left, place.top);
  }
}

void ReportTextWindow::done(int result) {
  if (place_ != nullptr) *place_ = {x(), y(), width(), height()};
  QDialog::done(result);
}

}  // namespace zt6::gui
