#pragma once
// Help in the windows: a help number's text in the box "HILFETEXT Nr.n", its image in
// the main window's drawing area, its text as the tooltip of a label. Any dialog wires
// a help button or a tooltip with one line:
//   buttons->addWidget(HelpButton(this, "Button_help", "&Hilfe", 1030, HelpMode::Text));
//   SetHelpHint(label, 1600);                // only while the help level is not 0
//   SetHelpHint(label, 2500, HintAlways);    // always

#include <QString>
#include <functional>

#include "app/help/help_texts.h"

class QPushButton;
class QWidget;

namespace zt6 {
struct Program;
class Prompts;
}  // namespace zt6

namespace zt6::gui {

// What help is shown with: the program's settings, its prompts (for the message box and
// the current help number) and the drawing area's repaint. The main window sets it.
struct HelpHost {
  Program* program = nullptr;
  Prompts* prompts = nullptr;
  std::function<void()> imageShown;  // repaints the drawing area
};
void SetHelpHost(const HelpHost* host);
const HelpHost* CurrentHelpHost();  // nullptr before the main window sets it

// Shows the help of number (0 = the current help number); the dialog stays open.
void ShowHelp(int number, HelpMode mode);
// The help text of number as one line, for a tooltip.
QString HelpHint(int number);

enum HintWhen { HintWithHelpLevel, HintAlways };
// Sets widget's tooltip to the help text of number; with HintWithHelpLevel only while
// the configured help level is not 0.
void SetHelpHint(QWidget* widget, int number, HintWhen when = HintWithHelpLevel);

// F1 anywhere in the program shows the help text of the focused field (its own
// "helpNumber" property, or that of the label it belongs to), else of its window (the
// window's or its help button's), else the current help number.
void InstallHelpKey();

// A button that shows the help text or image of number and leaves its window open.
QPushButton* HelpButton(QWidget* parent, const char* name, const QString& text, int number,
                        HelpMode mode);

}  // namespace zt6::gui
