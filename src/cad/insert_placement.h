#pragma once
// Where an insert puts its block: the affine map from block to drawing coordinates
// (scale, then rotation, then the insertion point), composable for nested inserts.

namespace zt6 {

struct PlacedPoint {
  double x = 0;
  double y = 0;
};

class InsertPlacement {
 public:
  InsertPlacement() = default;  // the identity
  // An insert at (x, y), turned by angle degrees, scaled by sx and sy.
  static InsertPlacement Of(double x, double y, double angle, double sx, double sy);

  // This placement applied after `inner`: a block inserted into a placed block.
  InsertPlacement After(const InsertPlacement& inner) const;

  PlacedPoint Point(double x, double y) const;
  // The drawing direction (degrees) of the block direction `degrees`.
  double Direction(double degrees) const;
  // How much a length along the block direction `degrees` grows.
  double Stretch(double degrees) const;
  // Radius factor of circles: exact for even scales, their geometric mean otherwise
  // (an uneven scale would make an ellipse, which the drawings never ask for).
  double RadiusFactor() const;
  bool Mirrors() const { return a_ * d_ - b_ * c_ < 0; }

 private:
  // x' = a x + b y + e,  y' = c x + d y + f
  double a_ = 1, b_ = 0, c_ = 0, d_ = 1, e_ = 0, f_ = 0;
};

}  // namespace zt6
