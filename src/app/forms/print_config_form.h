#pragma once
// The print configuration dialog without its window: the values it shows, how its
// edits are taken over into the print settings, and the named configurations kept
// in the table "printout" (picked in the pick window, stored under a typed name).

#include <string>

#include "app/forms/value_entry.h"
#include "app/lookups/table_access.h"
#include "app/state/program.h"

namespace zt6 {

// What the dialog's controls hold. Texts are UTF-8 as typed.
struct PrintConfigFields {
  std::string scaleX;
  std::string scaleY;
  std::string originX;
  std::string originY;
  bool frame = false;           // "Umrandung"
  bool fit = false;             // "anpassen"
  int colourIndex = 0;          // "Schattierung": 0 "Monochrom", 1 "Farbe / Graustufen"
  int orientationIndex = 0;     // "Ausdruck": 0 "Hochformat", 1 "Querformat"
};

// The dialog's start: the settings shown, the orientation as the printer has it.
PrintConfigFields PrintConfigFieldsOf(const Configuration& config, bool printerLandscape);

// The first of the scales (above 0) and origins (whole numbers) that is refused; the
// refusal names the edit ("Edit_scalex", "Edit_scaley", "Edit_originx", "Edit_originy").
std::optional<Refusal> CheckPrintConfig(const PrintConfigFields& fields);

// Takes the edits over into the settings (after CheckPrintConfig): scales and origins read as numbers ("," as
// decimal point; unreadable text gives 0), frame, colour mode, orientation. Returns
// whether the printer is to print landscape.
bool TakePrintConfigOver(const PrintConfigFields& fields, Configuration& config);

// The table of stored configurations: "printout.dbf" in the folder the program
// started in when it is there, else "printout" of the table folder. False (after the
// open error and with the cancel flag) when neither opens.
bool OpenPrintoutTable(const Program& program, TableAccess& access);

// "Datenbank": the pick window over the stored configurations (edit mode), starting
// at the record picked last; the chosen one fills the fields. False when cancelled
// or the table cannot be opened. The cancel flag is clear afterwards.
bool PickPrintConfig(Program& program, TableAccess& access, PrintConfigFields& fields,
                     std::int64_t& lastRecord);

// "Übernehmen Datenbank": the fields stored under a name asked for (at most 25
// characters). False when cancelled or the table cannot be opened or written.
bool StorePrintConfig(Program& program, TableAccess& access, const PrintConfigFields& fields);

}  // namespace zt6
