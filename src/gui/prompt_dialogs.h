#pragma once
// The small prompt windows: yes/no, choice as radio buttons or list, text entry. Each
// has OK (Enter), "Abbrechen" (Esc) and the two help buttons, which leave it open.

#include <QDialog>
#include <QStringList>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

namespace zt6::gui {

class PromptDialog : public QDialog {
  Q_OBJECT

 public:
  PromptDialog(const QString& objectName, const QString& caption, const QString& prompt,
               int helpNumber, QWidget* parent);

 protected:
  QVBoxLayout* body() { return body_; }
  void AddButtons();

 private:
  QVBoxLayout* body_;
  int helpNumber_;
};

// "Eingabe" with the radio group "Auswahl": "&Ja" / "&Nein".
class YesNoDialog : public PromptDialog {
  Q_OBJECT

 public:
  YesNoDialog(const QString& prompt, bool current, int helpNumber, QWidget* parent);
  bool Yes() const;

 private:
  QButtonGroup* group_;
};

// "Auswahl" with a radio group (up to seven choices) or a list box (more).
class ChoiceDialog : public PromptDialog {
  Q_OBJECT

 public:
  ChoiceDialog(const QString& prompt, const QStringList& items, int current, int helpNumber,
               QWidget* parent);
  int Choice() const;  // 1-based

 private:
  QButtonGroup* group_ = nullptr;
  QListWidget* list_ = nullptr;
};

// "Eingabe" with one edit field limited to maxLength characters.
class TextDialog : public PromptDialog {
  Q_OBJECT

 public:
  TextDialog(const QString& caption, const QString& prompt, int maxLength,
             const QString& current, int helpNumber, QWidget* parent);
  QString Text() const;

 private:
  QLineEdit* edit_;
};

}  // namespace zt6::gui
