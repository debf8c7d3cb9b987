#pragma once
// The three small text windows: the text screen, the message window with cause and
// remedy, and the report text window.

#include <functional>
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "app/files/configuration.h"
#include "app/ports/printer.h"

class QPlainTextEdit;
class QLineEdit;

namespace zt6::gui {

// "ZT6": lines in a fixed font, OK closes.
class ShowScreenWindow : public QDialog {
  Q_OBJECT

 public:
  ShowScreenWindow(const std::vector<std::string>& utf8Lines, QWidget* parent);
};

// "Fehlermeldung": the message, its cause and remedy; the two memos may be edited.
class MessageWindow : public QDialog {
  Q_OBJECT

 public:
  MessageWindow(const QString& message, const QString& cause, const QString& remedy,
                QWidget* parent);
  bool Changed() const { return changed_; }
  // After OK: the edited texts when the user confirmed "Save Changes ?".
  bool saveConfirmed = false;
  QString Cause() const;
  QString Remedy() const;

 private:
  void Confirm();

  QPlainTextEdit* cause_;
  QPlainTextEdit* remedy_;
  bool changed_ = false;
};

// The report file in a read-only memo with File and Edit menus.
class ReportTextWindow : public QDialog {
  Q_OBJECT

 public:
  // path: a text file in Windows-1252; openInEditor shows it in a text editor
  // ("Export Notepad").
  ReportTextWindow(const std::string& path, std::function<void(const std::string&)> openInEditor,
                   QWidget* parent);
  // "&Drucken...": prints the shown file (a Windows copy); none: not available.
  std::function<void(const std::string&)> printFile;
  // Shows the text in the printout font and opens the window at the configured place
  // and size when its width and height are above 0; on closing, the window's place and
  // size are written back into place.
  void UseSettings(const PrintFont& font, TextWindowPlace& place);

  void done(int result) override;

 private:
  QPlainTextEdit* memo_;
  TextWindowPlace* place_ = nullptr;
};

}  // namespace zt6::gui
