#include "cad/drawing_sheets.h"

#include <cmath>

#include "cad/profile_drawing.h"

namespace zt6 {

namespace {

struct ProfileSheet {
  ProfilePart part;
  bool withDimensions;
};

bool ProfileSheetOf(int kind, ProfileSheet& sheet) {
  using namespace drawing_kind;
  switch (kind) {
    case kShaft: sheet = {ProfilePart::Shaft, true}; return true;
    case kHub: sheet = {ProfilePart::Hub, true}; return true;
    case kShaftAndHub: sheet = {ProfilePart::Both, true}; return true;
    case kShaftProfile: sheet = {ProfilePart::Shaft, false}; return true;
    case kHubProfile: sheet = {ProfilePart::Hub, false}; return true;
    case kShaftAndHubProfile: sheet = {ProfilePart::Both, false}; return true;
    default: return false;
  }
}

}  // namespace

bool DrawableGeometry(const DesignRecord& d) {
  return d.z >= 1 && d.D > 0 && d.Dii > 0 && std::isfinite(d.DeeMean) &&
         std::isfinite(d.DiiMean) && std::isfinite(d.SMean) && std::isfinite(d.EMean);
}

bool DrawingAvailable(int kind) {
  ProfileSheet sheet{};
  return ProfileSheetOf(kind, sheet);
}

bool ProduceDrawing(CadOutput& cad, const DesignRecord& design, int kind, CadOutputType type,
                    const FormatSettings& format) {
  ProfileSheet sheet{};
  if (!ProfileSheetOf(kind, sheet) || !DrawableGeometry(design)) return false;
  cad.StartOutput(type);
  if (cad.Cancelled()) return true;
  cad.Layer(0);
  const double dii = design.Dii;
  cad.StartSheet(-dii, -0.8 * dii, dii, 0.8 * dii);
  cad.WriteTables(2);
  cad.BeginBlocks();
  cad.BeginBlock("zahn1");
  DrawToothBlock(cad, design, ProfilePart::Shaft);
  cad.EndBlock();
  cad.BeginBlock("zahn2");
  DrawToothBlock(cad, design, ProfilePart::Hub);
  cad.EndBlock();
  cad.EndSection();
  cad.BeginEntities();
  DrawProfile(cad, design, sheet.part, sheet.withDimensions, format);
  cad.EndSection();
  cad.FinishOutput();
  return true;
}

}  // namespace zt6
