#pragma once
// The settings dialog without its window: the control texts filled from the settings,
// checked, applied back (OK), written to the configuration file (Save), refilled from
// another file (Import), and the proposal, colour and width buttons.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/files/configuration.h"
#include "app/files/configuration_file.h"
#include "app/forms/configuration_controls.h"
#include "app/forms/form_fields.h"
#include "app/ports/prompts.h"

namespace zt6 {

// What the window-size proposals read from the running desktop.
struct DesktopMetrics {
  ScreenSize screen{kBatchScreenSize};
  int mainWidth = 0;    // main window with its frame
  int mainHeight = 0;
  int clientWidth = 0;  // its client area
  int clientHeight = 0;
  double dpiX = 96;
  double dpiY = 96;
};

class ConfigurationForm {
 public:
  // Every control of ConfigurationControls() by name.
  FieldTexts fields;

  void Fill(const Configuration& config);
  // The first control whose text cannot be taken: a number field that holds no number
  // or a grid number outside its range. The message names the field (CP850).
  std::optional<std::string> Check() const;
  // Writes every control into config (after Check). Spin values are held to their
  // bounds; the plot command lines are gathered without the empty ones at the end.
  void Apply(Configuration& config, const ApplyContext& context) const;

  // A "<" button (named after its control: "Button_zoomfaktor") or one of the named
  // proposal buttons; false when the name is none of them.
  bool Propose(std::string_view button, const DesktopMetrics& desktop);
  // Button_layer1 .. Button_layer5: the CAD layer row back to its shipped values.
  void ResetLayerRow(int row);
  // Button_dick1 .. 3: all sixteen line widths of layers 16..31.
  void SetAllLayerWidths(int width);

  // Reads another configuration file over a copy of `base` and refills the controls.
  // A file that is not a configuration is refused with a message (CP850) and the
  // controls stay.
  std::optional<std::string> Import(const std::filesystem::path& file, const Configuration& base,
                                    ScreenSize screen, std::string_view startDirectory);

  // The name of the "<" button of a control with a fixed proposal.
  static std::string ProposalButton(std::string_view control);
};

// Apply, then write the configuration file of `place` (never an imported file's).
// False (cancel flag set) when the file could not be written; the old file stays.
bool SaveConfigurationForm(const ConfigurationForm& form, Configuration& config,
                           const ApplyContext& context, const ConfigurationPlace& place,
                           Prompts& prompts);

}  // namespace zt6
