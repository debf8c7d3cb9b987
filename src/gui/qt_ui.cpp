#include "gui/qt_ui.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "base/codepage.h"
#include "gui/desktop_text.h"
#include "gui/dialog_placement.h"
#include "gui/file_filter.h"
#include "gui/plot_settings_window.h"
#include "gui/prompt_dialogs.h"
#include "gui/qt_text.h"
#include "gui/table_editor_window.h"
#include "gui/text_windows.h"

namespace zt6::gui {

namespace {

// A file dialog named for the tests; the program asks its own overwrite question
// after a save dialog, so Qt's is off.
std::optional<std::string> RunFileDialog(QWidget* parent, bool save, const std::string& directory,
                                         const std::string& filter, const std::string& proposal) {
  // No folder given: the working folder, not the folder some earlier dialog showed.
  const QString folder = directory.empty() ? QDir::currentPath() : FromUtf8(directory);
  QFileDialog dialog(parent, QString(), folder, QtFileFilter(filter));
  dialog.setObjectName(save ? "SaveDialog" : "OpenDialog");
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!proposal.empty()) dialog.selectFile(FromUtf8(proposal));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  return ToUtf8(chosen.front());
}

}  // namespace

void QtUi::MessageBox(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok,
                  parent_);
  box.setObjectName("MessageBox");
  box.exec();
}

Answer QtUi::AskYesNoCancel(const std::string& caption, const std::string& question) {
  QMessageBox box(QMessageBox::Question, FromUtf8(caption), FromUtf8(question),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
  box.setObjectName("YesNoCancel");
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

std::optional<bool> QtUi::AskYesNo(const std::string& prompt, bool current) {
  YesNoDialog dialog(FromUtf8(prompt), current, shell_.helpNumber, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Yes();
}

std::optional<int> QtUi::AskChoice(const std::string& prompt,
                                   const std::vector<std::string>& items, int current) {
  QStringList list;
  for (const std::string& item : items) list << FromUtf8(item);
  ChoiceDialog dialog(FromUtf8(prompt), list, current, shell_.helpNumber, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

std::optional<std::string> QtUi::AskText(const std::string& caption, const std::string& prompt,
                                         int maxLength, const std::string& current) {
  TextDialog dialog(FromUtf8(caption), FromUtf8(prompt), maxLength, FromUtf8(current),
                    shell_.helpNumber, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToUtf8(dialog.Text());
}

std::optional<std::string> QtUi::ChooseDirectory(const std::string& current) {
  const QString chosen = QFileDialog::getExistingDirectory(
      parent_, DesktopText::tr("Verzeichnis wählen"), FromUtf8(current));
  if (chosen.isEmpty()) return std::nullopt;
  return ToUtf8(chosen);
}

std::optional<std::string> QtUi::ChooseFileToRead(const std::string& directory,
                                                  const std::string& pattern) {
  return RunFileDialog(parent_, false, directory, pattern, {});
}

std::optional<std::string> QtUi::ChooseFileToWrite(const std::string& directory,
                                                   const std::string& pattern,
                                                   const std::string& proposal) {
  return RunFileDialog(parent_, true, directory, pattern, proposal);
}

void QtUi::ShowTextScreen(const std::vector<std::string>& lines) {
  ShowScreenWindow window(lines, parent_);
  window.exec();
}

MessageWindowResult QtUi::ShowMessageWindow(const std::string& message, const std::string& cause,
                                            const std::string& remedy) {
  MessageWindow window(FromUtf8(message), FromUtf8(cause), FromUtf8(remedy), parent_);
  MessageWindowResult result;
  result.cancelled = window.exec() != QDialog::Accepted;
  if (!result.cancelled && window.saveConfirmed) {
    result.editedCause = ToUtf8(window.Cause());
    result.editedRemedy = ToUtf8(window.Remedy());
  }
  return result;
}

PickResult QtUi::PickRow(const std::string& title, CurrentTable& /*table*/, PickMode mode) {
  TableEditorWindow* editor = editor_ ? editor_() : nullptr;
  if (editor == nullptr) return PickResult::Cancelled;
  editor->DbfSetTitles(QString(), FromUtf8(title));
  return editor->DbfShow(QString(), mode == PickMode::Choose);
}

void QtUi::ShowTextFile(const std::string& path) {
  ReportTextWindow window(path, textEditorOpener_, parent_);
  window.printFile = textFilePrinter_;
  if (config_ != nullptr) {
    window.UseSettings({Cp850ToUtf8(config_->printoutFont), config_->printoutFontSize, config_->printoutFontStyle},
                       config_->textWindow);
  }
  window.exec();
}

std::optional<std::string> QtUi::EditPlotCommandLine(const std::string& line) {
  const QString folder = temporaryFolder_ != nullptr ? FromCp850(*temporaryFolder_) : QString();
  PlotSettingsWindow window(FromUtf8(line), folder, parent_);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return ToUtf8(window.Line());
}

bool QtUi::ConfirmMessage(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Information, FromUtf8(caption), FromUtf8(text),
                  QMessageBox::Ok | QMessageBox::Cancel, parent_);
  box.setObjectName("ConfirmMessage");
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

void QtUi::Beep() { QApplication::beep(); }

void QtUi::SetWaitCursor(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursors_;
  } else if (waitCursors_ > 0) {
    QApplication::restoreOverrideCursor();
    --waitCursors_;
  }
}

}  // namespace zt6::gui
