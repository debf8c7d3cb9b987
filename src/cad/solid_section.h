#pragma once
// What a 3D model of shaft and hub is made of, without any modelling library: the
// closed cross-sections of shaft and hub bore from the tooth outlines of the profile
// drawing (neighbouring pieces of one circle or one line joined), the dimensions the
// design does not hold (hub diameter, shaft length), the material condition and the
// measuring pins placed as the dimension over or between pins places them.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "cad/profile_drawing.h"
#include "calc/design_record.h"
#include "report/vocabulary.h"

namespace zt6 {

enum class SolidPart { Shaft, Hub, Assembly };
enum class MaterialCondition { Mean, Max, Min };

struct SolidModelOptions {
  SolidPart part = SolidPart::Assembly;
  MaterialCondition condition = MaterialCondition::Mean;
  double hubDiameter = 0;  // outer diameter of the hub; 0: the default
  double shaftLength = 0;  // 0: the default
  bool pins = false;       // two measuring pins in the shaft, two in the hub
};

// 2·Dee rounded up to a whole mm, and twice the engaged width l.
double DefaultHubDiameter(const DesignRecord& design);
double DefaultShaftLength(const DesignRecord& design);
// The options with their defaults filled in.
SolidModelOptions WithDefaults(const DesignRecord& design, SolidModelOptions options);

// Why the (filled-in) options cannot give a model of this calculated design, in
// English for the command line; "" when they can.
std::string SolidModelProblem(const DesignRecord& design, const SolidModelOptions& options);

// The design with its mean profile values (S, E, Dee, Die, Dii, Dei, re, ri) replaced by
// those of the condition: max material is S max, Dee max, Die max (with re min) and
// E min, Dii min, Dei min (with ri min); min material the other limits.
DesignRecord UnderCondition(const DesignRecord& design, MaterialCondition condition);

// One piece of a closed section: a line, or an arc about centre.
struct SectionSegment {
  ProfilePoint start;
  ProfilePoint end;
  bool arc = false;
  ProfilePoint centre;
  double radius = 0;
  bool counterClockwise = false;
};

// The closed outline of the shaft and of the hub's bore, clockwise about the origin,
// built from z rotated tooth outlines (the mean values of the design it is given).
std::vector<SectionSegment> ShaftSection(const DesignRecord& design);
std::vector<SectionSegment> HubBoreSection(const DesignRecord& design);

// Two measuring pins: their centres and the dimension over (shaft) or between (hub)
// them, for the profile of the design given (its mean values).
struct PinPair {
  std::array<ProfilePoint, 2> centres;
  double diameter = 0;
  double overPins = 0;  // outer distance (shaft) or inner distance (hub)
};
PinPair ShaftPins(const DesignRecord& design);
PinPair HubPins(const DesignRecord& design);

// The names of the solids: part name and number of the drawing identification, the
// designation and the vocabulary's part word when both are empty (UTF-8).
struct SolidNames {
  std::string shaft;
  std::string hub;
};
SolidNames NamesOfSolids(const DesignRecord& design, const Vocabulary& words);

// Writes the model of the calculated design (options with defaults, accepted by
// SolidModelProblem) as a STEP file at the path; "" when written, else what went wrong.
// Only the programs that carry the modelling library have one.
using StepModelWriter = std::function<std::string(const DesignRecord& design,
                                                  const SolidModelOptions& options,
                                                  const SolidNames& names, const std::string& path)>;

}  // namespace zt6
