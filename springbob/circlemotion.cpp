// SPDX-License-Identifier: GPL-3.0-or-later
#include "circlemotion.h"

#include <algorithm>
#include <cmath>

#include "ui/platform.h"
#include "ui/values.h"

using ui::At;

namespace springbob {

CircleForm::CircleForm(const QString& caption, double clientWidth, double clientHeight)
    : Form(caption, clientWidth, clientHeight) {}

std::vector<double> CircleForm::TableAngles() const {
  std::vector<double> angles;
  for (double a = 0; a <= 2 * PiValue; a += PiValue / 180)
    angles.push_back(a);
  return angles;
}

void CircleForm::LoadCircle() {
  ScalePicture();
  R2 = 1200;
  SpeedFactor = 1.0f;
  PiValue = 3.1415;
  const std::vector<double> angles = TableAngles();
  for (size_t k = 0; k < angles.size(); ++k) {
    const size_t n = k + 1;
    AngleDeg[n] = float(180 * angles[k] / PiValue);
    CircleX[n] = R2 * std::cos(angles[k]);
    CircleY[n] = R2 * std::sin(angles[k]);
  }
  I = 0;
}

void CircleForm::ScalePicture() {
  c_.picture->scale(-2000, -2000, 2000, 2000);
}

void CircleForm::FramePause() {
  ui::pause(double(SpeedFactor) * 0.005);
}

void CircleForm::WriteLabel(ui::Label& label, const QString& text) {
  if (label.caption() != text) label.setCaption(text);
}

void CircleForm::DrawAxes() {
  ui::PictureBox& pic = *c_.picture;
  pic.pset(At(0, 0), ui::kBlack);
  pic.line(At(-2000, 0), At(2000, 0));
  pic.pset(At(0, 0), ui::kBlack);
  pic.line(At(0, -2000), At(0, 2000));
}

void CircleForm::DrawRadiusAndProjection(int s, ui::Color color) {
  ui::PictureBox& pic = *c_.picture;
  const double bar = R2 + 200;  // the vertical line the point is projected on
  pic.pset(At(0, 0), color);
  pic.setDrawWidth(3);
  pic.pset(At(0, 0), color);
  pic.line(At(0, 0), At(CircleX[s], CircleY[s]), color);
  pic.pset(At(0, 0), color);
  pic.circle(At(CircleX[s], CircleY[s]), 25, color);
  pic.pset(At(bar, 0), color);
  pic.circle(At(bar, CircleY[s]), 25, color);
  pic.pset(At(bar, 0), color);
  pic.line(At(bar, 0), At(bar, CircleY[s]), color);
}

// The table is read backwards (entry 361 - I) so that the point turns counter-clockwise on a
// picture whose y grows downward.
void CircleForm::Command1_Click() {
  ui::PictureBox& pic = *c_.picture;
  Running = kTrue;
  ScalePicture();
  DrawAxes();
  while (Running) {
    ++I;
    DrawAxes();
    if (I >= 360) {
      I = 1;
      pic.cls();
    }
    const int s = 361 - I;
    DrawRadiusAndProjection(s, ui::kRed);
    pic.setDrawWidth(1);
    FramePause();
    pic.setDrawWidth(3);
    DrawRadiusAndProjection(s, ui::kWhite);
    pic.setDrawWidth(1);
    pic.pset(At(0, 0), ui::kRed);
  }
}

void CircleForm::Command2_Click() {
  ui::PictureBox& pic = *c_.picture;
  Running = 0;
  const int s = 361 - I;
  const double px = CircleX[s], py = CircleY[s];
  const double bar = R2 + 200;
  DrawAxes();
  pic.pset(At(0, 0), ui::kRed);
  pic.circle(At(0, 0), R2, ui::kRed);

  pic.setDrawWidth(3);
  pic.pset(At(0, 0), ui::kRed);
  pic.line(At(0, 0), At(px, py), ui::kRed);
  pic.pset(At(0, 0), ui::kRed);
  pic.circle(At(px, py), 25, ui::kRed);
  pic.pset(At(bar, 0), ui::kRed);
  pic.circle(At(bar, py), 25, ui::kRed);
  pic.pset(At(bar, 0), ui::kRed);
  pic.line(At(bar, py), ui::kBlue);
  pic.pset(At(0, 0), ui::kRed);
  pic.line(At(0, 0), At(px, 0), ui::kBlue);
  pic.pset(At(0, 0), ui::kRed);
  pic.line(At(0, 0), At(0, py), ui::kBlue);

  pic.setDrawWidth(1);
  pic.setDrawStyle(ui::kDrawDashDot);
  pic.pset(At(px, 0), ui::kBlue);
  pic.line(At(px, 0), At(px, py), ui::kBlue);
  pic.pset(At(0, py), ui::kBlue);
  pic.line(At(0, py), At(px, py), ui::kBlue);
  pic.setDrawStyle(ui::kDrawSolid);

  // Before the first "Пуск1" the point stands at the start of the table: angle 0.
  const int step = std::max(I, 1);
  WriteLabel(*c_.xText, QStringLiteral("X=R*COS(a)=  ") + ui::Str(ui::Int(px)));
  WriteLabel(*c_.yText, QStringLiteral("Y=R*SIN(a)=  ") + ui::Str(ui::Int(-py)));
  WriteLabel(*c_.radiusText, QStringLiteral("R=  ") + ui::Str(R2));
  WriteLabel(*c_.angleText, tr("угол a=  ") + ui::Str(ui::Int(AngleDeg[step])));
}

}  // namespace springbob
