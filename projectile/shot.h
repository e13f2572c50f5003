// SPDX-License-Identifier: GPL-3.0-or-later
// The physics of a shot from the ground at a wall-shaped target: the height of the path at the
// wall and the ball's place in flight, with π and g in the single precision the lesson uses.
#pragma once

namespace projectile {

constexpr double kPi = double(3.14f);
constexpr double kG = double(9.81f);  // m/s²

// A shot: launch speed and elevation, and the target wall standing on the ground.
struct Shot {
  double v0 = 0;     // m/s
  double angle = 0;  // degrees
  double s = 0;      // m, distance of the wall
  double h = 0;      // m, height of the wall

  double elevation() const { return angle * kPi / 180; }  // rad
  // Whether all four numbers are finite.
  bool finite() const;
  // Without a launch speed (or one whose square is below what a double holds) the ball drops
  // where it stands and the path has no height at the wall.
  bool leavesGun() const;
  // Height of the path above the launch point at the wall's distance, m; not finite when the
  // numbers go beyond what a double holds. Meaningful only when the ball leaves the gun.
  double heightAtWall() const;
  // Where the ball is t seconds after the launch, m.
  double xAt(double t) const;
  double yAt(double t) const;
};

enum class Verdict { Short, Over, Hit };

// The wall reaches from the ground up to wallHeight; both ends count as hits.
Verdict judge(double height, double wallHeight);

}  // namespace projectile
