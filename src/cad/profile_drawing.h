#pragma once
// The cross-section of the serration: one tooth space of the shaft and one tooth of
// the hub as blocks, and the profile of shaft, hub or both made of one insert per
// tooth, with centre lines and diameter dimensions when asked. Everything goes
// through the CAD output layer, so every output format gets the same geometry.

#include "base/format_settings.h"
#include "cad/cad_output.h"
#include "calc/design_record.h"

namespace zt6 {

// The layer of the hub's tooth outline; the shaft's is layer 5.
inline constexpr int kHubOutlineLayer = 20;

enum class ProfilePart { Both = 0, Shaft = 1, Hub = 2 };

// A point of the profile, mm, y upwards, the profile centred on the origin.
struct ProfilePoint {
  double x = 0;
  double y = 0;
};

// One polyline vertex with the included angle (radians) of the segment it starts.
struct ProfileVertex {
  ProfilePoint point;
  double bulge = 0;
};

// The line through f with direction (sin a, cos a) cut with the circle of radius r
// about the origin, the point with the greater x; (0, 0) when they miss.
ProfilePoint FlankCircleIntersection(ProfilePoint f, double a, double r);

// The outline of the shaft's tooth space ("zahn1") and of the hub's tooth ("zahn2"),
// both centred on the +y axis, eight vertices each.
std::array<ProfileVertex, 8> ShaftToothSpaceOutline(const DesignRecord& design);
std::array<ProfileVertex, 8> HubToothOutline(const DesignRecord& design);

// The contents of block "zahn1" (shaft) or "zahn2" (hub): layer 5, one polyline.
void DrawToothBlock(CadOutput& cad, const DesignRecord& design, ProfilePart part);

// The profile: centre lines, reference circle and diameter dimensions when asked,
// then one insert of the tooth block per tooth.
void DrawProfile(CadOutput& cad, const DesignRecord& design, ProfilePart part,
                 bool withDimensions, const FormatSettings& format);

}  // namespace zt6
