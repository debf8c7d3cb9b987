#pragma once
// ISO 286 limits: a nominal size and a tolerance designation such as "A11", "a 11",
// "js6" or "ZC 10" give the two limit sizes. Also the standard tolerance by formula
// that the dimensions dialog proposes.

#include <string>
#include <string_view>

#include "calc/run_messages.h"

namespace zt6 {

struct ToleranceLimits {
  double lower = 0;           // mm: size + lower deviation / 1000
  double upper = 0;           // mm: size + upper deviation / 1000
  double lowerDeviation = 0;  // µm
  double upperDeviation = 0;  // µm
  // Normalised: position + " " + grade (after stepping), or as given when unparsable.
  std::string designation;
  std::string message;  // CP850; empty when all is well
};

// The stepping position of "<w" ">w" "<B" ">B", one index per list: 0 before the first
// entry, then 1 … 28 for a … zc (shafts) and A … ZC (holes).
struct TolerancePositionCursor {
  int shaft = 0;
  int hole = 0;
};

// A message refuses the designation (limits = size) or, for shafts outside their usual
// grades, accompanies computed limits. Limits never touches the cancel flag: callers set
// it when the message is not empty.
//
// Stepping: "<w" / ">w" (shafts) and "<B" / ">B" (holes) replace the position by the
// previous or next one of the cursor's list; the grade follows the command the way it
// follows a position ("<w11", "<w 11"). Any processed designation with a listed position
// moves the cursor to it.
ToleranceLimits Limits(double size, std::string_view designation,
                       TolerancePositionCursor& cursor);
ToleranceLimits Limits(double size, std::string_view designation);  // with a throwaway cursor

// Standard tolerance in mm for grade index 0 … 18 (IT0 … IT18; 0 above) at the diameter
// itself, unrounded. The cube root goes through Power under the name "IT".
double StandardToleranceByFormula(int grade, double diameter, RunMessages& messages);

}  // namespace zt6
