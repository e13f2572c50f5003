// SPDX-License-Identifier: GPL-3.0-or-later
// A window showing uniform motion of a point on a circle with its projections on both axes:
// the form variables, the angle tables, "Пуск1", "Стоп1" and the frame pause. The spring
// pendulum and the simple pendulum lessons both stand on it and add their own animation.
#pragma once

#include <QCoreApplication>

#include <QString>
#include <array>
#include <vector>

#include "ui/controls.h"

namespace springbob {

constexpr qint16 kTrue = -1;

// The controls the circular motion draws on and writes to; the window owns them.
struct CircleControls {
  ui::PictureBox* picture = nullptr;  // Picture1
  ui::Label* xText = nullptr;         // Label1, X = R·cos a
  ui::Label* yText = nullptr;         // Label2, Y = R·sin a
  ui::Label* radiusText = nullptr;    // Label3, R
  ui::Label* angleText = nullptr;     // Label4, the angle a
};

// Last index of the angle table and of the coordinate tables; tables count from 1.
constexpr int kAngleLast = 363;
constexpr int kTableLast = 1000;
using AngleTable = std::array<float, kAngleLast + 1>;
using CoordinateTable = std::array<double, kTableLast + 1>;

class CircleForm : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(CircleForm)

 public:
  // -1 while an animation loop may go on; one flag for every loop of the window.
  qint16 Running = 0;
  // Length of the pause after each frame, in units of 5 ms.
  float SpeedFactor = 0;
  // pi as the lessons take it.
  double PiValue = 0;
  // Radius of the circular motion, picture units.
  int R2 = 0;
  // Step of the circular motion, 1 step = 1 degree.
  int I = 0;

  // Entry n holds the angle of n - 1 degrees (entries 1..361 are filled).
  AngleTable AngleDeg{};
  // R2·cos a and R2·sin a for the angle of entry n.
  CoordinateTable CircleX{}, CircleY{};

  // "Пуск1": the point runs counter-clockwise, one degree a frame, until a stop.
  void Command1_Click();
  // "Стоп1": stops every loop and draws the point with its projections and their values.
  void Command2_Click();

 protected:
  CircleForm(const QString& caption, double clientWidth, double clientHeight);
  // Called by the window's constructor once its controls exist.
  void attach(const CircleControls& controls) { c_ = controls; }

  // The defaults of the circular motion: pi, R2, the pace, the tables and the first step.
  void LoadCircle();
  // The angles of the table entries 1..361: from 0 in steps of PiValue / 180 while
  // a ≤ 2·PiValue.
  std::vector<double> TableAngles() const;
  // Picture1's scale: (-2000, -2000) at the top left, (2000, 2000) at the bottom right.
  void ScalePicture();
  // The pause after each frame: SpeedFactor × 5 ms while window events run.
  void FramePause();
  // Writes a label only when its text changes, so a frame does not redo the label's layout.
  static void WriteLabel(ui::Label& label, const QString& text);

 private:
  void DrawAxes();
  // The radius to the point of entry s, the point, and its projection beside the orbit.
  void DrawRadiusAndProjection(int s, ui::Color color);

  CircleControls c_;
};

}  // namespace springbob
