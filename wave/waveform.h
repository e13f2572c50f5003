// SPDX-License-Identifier: GPL-3.0-or-later
// A window that animates waves along a line x: its form variables, the axes, the frame loop,
// the "Стоп" toggle and the clearing of the picture. Each lesson gives the controls the loop
// reads and its own passes over the line.
#pragma once

#include <QString>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/controls.h"

namespace wave {

// A function's value at each point of the line, kept from the pass before: the wiping pass asks
// again for what the drawing pass computed, at the very same arguments, and a frame then costs
// the mathematics of one pass. A value is reused only for bit-identical arguments.
class PointMemo {
 public:
  template <typename F>
  double at(size_t point, double a, double b, F compute) {
    if (point >= entries_.size()) entries_.resize(point + 1);
    Entry& e = entries_[point];
    const std::uint64_t ka = bits(a), kb = bits(b);
    if (!e.known || e.a != ka || e.b != kb) e = {true, ka, kb, compute()};
    return e.value;
  }
  // Keeps a value computed along with another one.
  void put(size_t point, double a, double b, double value) {
    if (point >= entries_.size()) entries_.resize(point + 1);
    entries_[point] = {true, bits(a), bits(b), value};
  }

 private:
  static std::uint64_t bits(double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, sizeof u);
    return u;
  }
  struct Entry {
    bool known = false;
    std::uint64_t a = 0, b = 0;
    double value = 0;
  };
  std::vector<Entry> entries_;
};

// The rules in which the wave lessons differ outside their passes.
struct WaveRules {
  bool reseedOnStart = true;    // every animation seeds the random numbers from the clock
  bool clearResetsTime = true;  // "Очистка рисунка" takes the time back to one x step
  bool reseedAfterClear = false;  // "Очистка рисунка" seeds once more after drawing the axes
  bool resumeStepsBack = false;  // a resumed animation first shows the instant it stopped at
  double barPerStep = 1;         // StepsPerPi = HScroll3.Value / barPerStep in every frame
  double firstWaveRadius = 2;    // circle around each point of wave 1 in the two-wave pass
};

// The controls the frame loop reads and draws on; the window owns them.
struct WaveControls {
  ui::PictureBox* picture = nullptr;     // Picture1
  ui::ScrollBar* inductance = nullptr;   // HScroll1, L
  ui::ScrollBar* capacitance = nullptr;  // HScroll2, C
  ui::ScrollBar* points = nullptr;       // HScroll3, points per pi
  ui::ScrollBar* damping = nullptr;      // VScroll1, b
  ui::Label* inductanceText = nullptr;   // Label11
  ui::Label* capacitanceText = nullptr;  // Label12
};

class WaveForm : public ui::Form {
 public:
  // Form variables, shared by the handlers and the frame loop.
  qint16 Running = 0;         // -1 while the animation may go on
  qint16 ShowI = 0;           // draw the current i (wave 1)
  qint16 ShowU = 0;           // draw the voltage u (wave 2)
  qint16 ShowSum = 0;         // draw the sum of the two waves
  double DelayFactor = 0;     // the pause per frame is DelayFactor * 5 ms
  float StepsPerPi = 0;       // points per pi of x
  double PiValue = 0;         // pi as the lessons take it
  double EValue = 0;          // e as the lessons take it; also the divisor of t in the phase
  double Damping = 0;         // b; while animating, the time step per frame
  double DampingInverse = 0;  // 1 / b, shown only
  float Amplitude = 0;        // U, a whole number 10..99
  float Omega = 0;            // w = 1 / Sqr(L*C), rad per x unit
  double XPos = 0;            // position along the line, x units
  double CurrentTime = 0;     // t
  double IValue = 0;          // the last value computed for the first curve
  double UValue = 0;          // the last value computed for the second curve
  int Counter = 0;            // tick loops of the axes

  // The last x of every pass: 14 * e * pi, about 950 picture units.
  double lineEnd() const { return 14 * EValue * PiValue; }

 protected:
  WaveForm(const QString& caption, double clientWidth, double clientHeight, const WaveRules& rules);
  // Called by the window's constructor once its controls exist.
  void attach(const WaveControls& controls) { c_ = controls; }

  // The variables a window sets as it loads, in their order; the random number generator is
  // seeded here.
  void loadDefaults();
  // Damping = VScroll1 / 10 and its inverse.
  void readDamping();
  // A new amplitude U = Int(Rnd * 90) + 10.
  void drawAmplitude();
  // "Очистка рисунка".
  void clearPicture();
  // "Стоп": stops a running animation or resumes a stopped one, then marks the first curve.
  void stopOrResume();

  void AnimateWave();
  void drawAxes();

  // One pass over the line at CurrentTime, in the drawing colours or, erasing, in the
  // picture's background: white, or the grey a light picture of Fringes left.
  virtual void wavePass(bool erasing) = 0;

  // Runs `atPoint` for XPos = 0 to lineEnd() step PiValue / StepsPerPi; the position grows by
  // repeated addition of the step, as the counted loop of the lessons does.
  template <typename AtPoint>
  void forEachPoint(AtPoint atPoint) {
    const double end = lineEnd();
    const double step = PiValue / StepsPerPi;
    pointNo_ = 0;
    for (XPos = 0; XPos <= end; XPos += step, ++pointNo_)
      atPoint();
  }
  // The number of the point forEachPoint is at, from 0.
  size_t pointNo() const { return pointNo_; }
  // Sin(w * (x - t / e)) * e * U: the first curve, running to the right.
  double runningRight() const;
  // Cos(phase) for the phase w * (x - t / e) of the first curve at this point; computed with
  // the sine when keepCosine is set.
  double cosOfRight(double phase) const;
  bool keepCosine = false;
  // Sin(w * (x + t / e)) * e * U: the second wave of the two-wave lessons, running to the left.
  double runningLeft() const;
  // The pass of the two-wave lessons: wave 1 red, wave 2 blue (radius 1) and their sum green
  // (radius 2). Erasing, wave 2 follows wave 1 whatever ShowU holds, and the sum is wiped only
  // when `eraseSum`; IValue becomes the sum either way.
  void twoWavePass(bool erasing, bool eraseSum = true);
  // The point (8 * XPos, -value) and a circle of `radius` around it.
  void plot(double value, ui::Color color, double radius);

  ui::PictureBox& picture() const { return *c_.picture; }
  const WaveRules& rules() const { return rules_; }

 private:
  void scalePicture();
  void markFirstCurve();

  WaveRules rules_;
  WaveControls c_;
  size_t pointNo_ = 0;
  mutable PointMemo rightSin_, rightCos_, leftSin_;
};

}  // namespace wave
