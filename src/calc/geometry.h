#pragma once
// Serration geometry: pitch and space angles, tooth thickness and space width,
// dimensions over and between pins, fillets, root and form-circle diameters.

#include <string_view>

#include "calc/design_record.h"
#include "calc/run_messages.h"

namespace zt6 {

// Basic quantities: P, D/z and the two space angles in degrees and rad.
void BasicQuantities(DesignRecord& design);

// The rest of the profile: tooth thickness, space width, pin dimensions, fillets,
// root and form circles. Runs after the basic quantities and the tolerance
// adjustments and needs the ISO limits of the tip diameters; fills in re max, ri max,
// DRi and DRe when 0 (pins only for self-defined designs) and adds the interference
// errors.
void Geometry(DesignRecord& design, RunMessages& messages);

// The largest root fillet radii the tip circles admit (fillet centre on the mating
// tip circle); 0 when the space angle is not positive. Need the basic quantities.
double LargestShaftFilletRadius(const DesignRecord& design, RunMessages& messages);
double LargestHubFilletRadius(const DesignRecord& design, RunMessages& messages);

// The messages of a mating tip reaching into the fillet.
inline constexpr std::string_view kShaftFilletInterference = "Fehler : Dii < DFe !";
inline constexpr std::string_view kHubFilletInterference = "Fehler : Dee > DFi !";
inline bool IsInterferenceMessage(std::string_view message) {
  return message == kShaftFilletInterference || message == kHubFilletInterference;
}

}  // namespace zt6
