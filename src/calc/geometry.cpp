#include "calc/geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/program_math.h"

namespace zt6 {
namespace {

constexpr double kPi = std::numbers::pi;
// Of each total tolerance, this share is the actual tolerance; the rest is effective.
constexpr double kActualShare = 0.625;

// The profile functions of one design; all lengths mm, angles rad.
class Profile {
 public:
  Profile(const DesignRecord& design, RunMessages& messages)
      : D_(design.D),
        R_(design.D / 2),
        P_(design.P),
        halfGe_(design.gammaERad / 2),
        halfGi_(design.gammaIRad / 2),
        tanHalfGe_(Tangent(halfGe_, messages)),
        tanHalfGi_(Tangent(halfGi_, messages)),
        // Two pins in opposite spaces are not diametral for an odd tooth count.
        kz_(design.z % 2 != 0 ? std::cos(kPi / (2.0 * design.z)) : 1.0) {}

  // Radius of the vertex of a shaft tooth space for tooth thickness S.
  double ShaftVertex(double S) const {
    const double theta = (P_ - S) / D_;
    return R_ * (std::cos(theta) - std::sin(theta) / tanHalfGe_);
  }
  // Radius of the vertex of a hub tooth space for space width E.
  double HubVertex(double E) const {
    const double theta = E / D_;
    return R_ * (std::cos(theta) + std::sin(theta) / tanHalfGi_);
  }
  // Dimension over two pins of diameter dr, shaft.
  double OverPins(double S, double dr) const {
    return 2 * (ShaftVertex(S) + (dr / 2) / std::sin(halfGe_)) * kz_ + dr;
  }
  // Dimension between two pins of diameter dr, hub.
  double BetweenPins(double E, double dr) const {
    return 2 * (HubVertex(E) - (dr / 2) / std::sin(halfGi_)) * kz_ - dr;
  }
  // Root diameters with a fillet of radius r tangent to both flanks.
  double ShaftRoot(double S, double r) const {
    return 2 * (ShaftVertex(S) + r / std::sin(halfGe_) - r);
  }
  double HubRoot(double E, double r) const {
    return 2 * (HubVertex(E) - r / std::sin(halfGi_) + r);
  }

  double halfGe() const { return halfGe_; }
  double halfGi() const { return halfGi_; }

 private:
  double D_, R_, P_;
  double halfGe_, halfGi_;
  double tanHalfGe_, tanHalfGi_;
  double kz_;
};

}  // namespace

void BasicQuantities(DesignRecord& d) {
  d.P = kPi * d.D / d.z;
  d.DByZ = d.D / d.z;
  d.gammaERad = d.gammaE * kPi / 180;
  d.gammaI = d.gammaE - 360.0 / d.z;
  d.gammaIRad = d.gammaI * kPi / 180;
}

// At the effective sizes Sv = Ev = P/2 the vertex angle is half a tooth pitch, the
// angle to the mating tip at its narrowest; the fillet centre sits on that tip circle.
double LargestShaftFilletRadius(const DesignRecord& d, RunMessages& messages) {
  if (!(d.gammaERad > 0) || d.z == 0) return 0;
  const Profile profile(d, messages);
  const double vertex = profile.ShaftVertex(d.P / 2);
  // A vertex outside the hub tip circle leaves no room for a fillet: a sharp root.
  return std::max(0.0, FiniteOrZero(std::sin(profile.halfGe()) * (d.Dii / 2 - vertex)));
}

double LargestHubFilletRadius(const DesignRecord& d, RunMessages& messages) {
  if (!(d.gammaIRad > 0) || d.z == 0) return 0;
  const Profile profile(d, messages);
  const double vertex = profile.HubVertex(d.P / 2);
  return std::max(0.0, FiniteOrZero(std::sin(profile.halfGi()) * (vertex - d.Dee / 2)));
}

void Geometry(DesignRecord& d, RunMessages& messages) {
  const Profile profile(d, messages);

  // Tooth thickness of the shaft: Sv is the maximum effective size.
  d.Sv = d.P / 2;
  d.Smin = d.Sv - d.TGe;
  d.Smax = d.Smin + kActualShare * d.TGe;
  d.SMean = (d.Smax + d.Smin) / 2;
  // Space width of the hub: Ev is the minimum effective size.
  d.Ev = d.P / 2;
  d.Emax = d.Ev + d.TGi;
  d.Emin = d.Emax - kActualShare * d.TGi;
  d.EMean = (d.Emax + d.Emin) / 2;

  d.MReV = profile.OverPins(d.Sv, d.DRe);
  d.MRemax = profile.OverPins(d.Smax, d.DRe);
  d.MRemin = profile.OverPins(d.Smin, d.DRe);
  d.MRiV = profile.BetweenPins(d.Ev, d.DRi);
  d.MRimax = profile.BetweenPins(d.Emax, d.DRi);
  d.MRimin = profile.BetweenPins(d.Emin, d.DRi);

  d.DVe = profile.ShaftRoot(d.SMean, 0);
  d.DVi = profile.HubRoot(d.EMean, 0);

  // A fillet left at 0 is replaced by the largest one the mating tip circle admits. It
  // stays automatic while nobody changed it: the next run computes it again from the
  // geometry then, and the project file keeps its 0.
  if (d.reMax == 0 || d.reMax == d.reMaxFilled)
    d.reMax = d.reMaxFilled = LargestShaftFilletRadius(d, messages);
  if (d.riMax == 0 || d.riMax == d.riMaxFilled)
    d.riMax = d.riMaxFilled = LargestHubFilletRadius(d, messages);

  d.reMin = d.reMax - kActualShare * d.TGe / 2;
  d.reMean = (d.reMax + d.reMin) / 2;
  d.riMin = d.riMax - kActualShare * d.TGi / 2;
  d.riMean = (d.riMax + d.riMin) / 2;

  d.Deimax = profile.HubRoot(d.Emax, d.riMax);
  d.Deimin = profile.HubRoot(d.Emin, d.riMin);
  d.DeiMean = profile.HubRoot(d.EMean, d.riMean);
  d.Diemax = profile.ShaftRoot(d.Smax, d.reMin);
  d.Diemin = profile.ShaftRoot(d.Smin, d.reMax);
  d.DieMean = profile.ShaftRoot(d.SMean, d.reMean);

  const double shaftRun = 1 - std::sin(profile.halfGe());
  const double hubRun = 1 - std::sin(profile.halfGi());
  d.DFemin = d.Diemin + 2 * d.reMax * shaftRun;
  d.DFemax = d.Diemax + 2 * d.reMin * shaftRun;
  d.DFeMean = (d.DFemin + d.DFemax) / 2;
  d.DFimin = d.Deimin - 2 * d.riMin * hubRun;
  d.DFimax = d.Deimax - 2 * d.riMax * hubRun;
  d.DFiMean = (d.DFimin + d.DFimax) / 2;

  // The tip of the mating part may reach into the fillet.
  if (d.Diimin <= d.DFemax) messages.Add(kShaftFilletInterference);
  if (d.DFimin <= d.Deemax) messages.Add(kHubFilletInterference);
}

}  // namespace zt6
