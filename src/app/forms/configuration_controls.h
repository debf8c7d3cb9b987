#pragma once
// The settings dialog's controls as data: each control's object name, page, kind,
// caption, the configuration file entry it edits, how its text is shown from and taken
// into the settings, bounds, proposal and help number. The dialog window binds its
// widgets by these names; OK, Save, Import and the tests all walk this one table.
//
// A control's value is one UTF-8 text: the text of an edit, "1"/"0" for a check box,
// the 0-based item of a radio group or combo box, the number of a spin box. Grid cells
// are named "StringGrid_color[row,column]" (rows from 1), the plot command lines
// "ListBox_plotrix[i]" (from 0).

#include <span>
#include <string>
#include <string_view>

#include "app/files/configuration.h"
#include "app/forms/value_entry.h"

namespace zt6 {

class Vocabulary;

enum class ControlKind {
  Text,    // line edit, a text setting (CP850 in the settings)
  Whole,   // line edit, a whole number
  Real,    // line edit, a real number
  Check,   // check box
  Radio,   // radio group
  Spin,    // spin box within low..high
  Combo,   // combo box
  Shown,   // a label that a font dialog fills
  Colour,  // the background colour panel, a Windows colour value
  Cell,    // a cell of a string grid: a whole number, or the layer name in column 0
  Line,    // one line of the plot command list
};

// What applying needs besides the controls.
struct ApplyContext {
  ScreenSize screen{kBatchScreenSize};
};

struct ConfigurationControl {
  std::string_view name;     // object name of the widget (or grid cell / list line)
  std::string_view page;     // object name of the page ("Tab_grafik")
  ControlKind kind;
  std::string_view caption;  // label, group or check box caption, UTF-8
  int entry;                 // the configuration file entry, 1..107
  std::string (*show)(const Configuration&);
  // The text has passed Check; corrections of the dialog are applied here.
  void (*take)(Configuration&, const std::string&, const ApplyContext&);
  int low = 0;   // Spin: bounds; Whole and Cell numbers: refused outside when low < high
  int high = 0;
  NumberRange range = {};         // Real: the values taken, others refused
  int maxLength = 0;              // Text and Line
  std::string_view proposal;      // the "<" button's text, empty: none or a computed one
  int tooltip = 0;                // help text number of the label's tooltip
  bool tooltipAlways = false;     // shown whatever the help level
  std::span<const std::string_view> items = {};  // Radio and Combo items
  std::string_view grid = {};     // Cell and Line: the grid or list widget
  int row = 0;
  int column = 0;
};

std::span<const ConfigurationControl> ConfigurationControls();
const ConfigurationControl* FindConfigurationControl(std::string_view name);

struct ConfigurationPage {
  std::string_view name;     // "Tab_dir"
  std::string_view caption;  // "Verzeichnisse"
  int help;                  // text of the page's "&Hilfe" button
};
std::span<const ConfigurationPage> ConfigurationPages();

// Tooltips come with a help level other than 0, or always where the table says so.
inline bool ShowsTooltip(const ConfigurationControl& control, int helpLevel) {
  return control.tooltip != 0 && (helpLevel != 0 || control.tooltipAlways);
}

// "Farbe für Layer 16 (rot)": the caption of a row of the colour grid, in the words'
// language.
std::string ColourRowCaption(int layer, int colour, const Vocabulary& words);
// The row captions of the CAD layer grid, rows 1..5.
std::span<const std::string_view> LayerRowCaptions();

// A real as the dialog shows it: the shortest text that reads back as the same value.
std::string DialogReal(double value);

}  // namespace zt6
