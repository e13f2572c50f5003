// SPDX-License-Identifier: GPL-3.0-or-later
#include "shot.h"

#include <cmath>

namespace projectile {
namespace {

// The divisor of the drop term: the square of the horizontal speed, twice.
double dropDivisor(const Shot& shot) {
  const double c = std::cos(shot.elevation());
  return c * c * shot.v0 * shot.v0 * 2;
}

}  // namespace

bool Shot::finite() const {
  return std::isfinite(v0) && std::isfinite(angle) && std::isfinite(s) && std::isfinite(h);
}

bool Shot::leavesGun() const {
  return dropDivisor(*this) != 0;
}

double Shot::heightAtWall() const {
  return s * std::tan(elevation()) - (s * s * kG) / dropDivisor(*this);
}

double Shot::xAt(double t) const {
  return v0 * std::cos(elevation()) * t;
}

double Shot::yAt(double t) const {
  return v0 * std::sin(elevation()) * t - kG * t * t / 2;
}

Verdict judge(double height, double wallHeight) {
  if (height < 0) return Verdict::Short;
  if (height > wallHeight) return Verdict::Over;
  return Verdict::Hit;
}

}  // namespace projectile
