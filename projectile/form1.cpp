// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <cmath>
#include <limits>

#include "ui/values.h"

using ui::At;

namespace {

constexpr qint16 kTrue = -1;
constexpr double kBallRadius = 0.2;  // m
constexpr double kStep = 0.01;       // s of model time per frame
constexpr double kReplayAfter = 10;  // s of model time

QString verdictText(projectile::Verdict v) {
  switch (v) {
    case projectile::Verdict::Short:
      return Form1::tr("недолёт");
    case projectile::Verdict::Over:
      return Form1::tr("перелёт");
    case projectile::Verdict::Hit:
      return Form1::tr("попал");
  }
  return {};
}

}  // namespace

Form1::Form1() : Form(QStringLiteral("Form1"), 9510, 6690) {
  const ui::FontSpec formFont{QStringLiteral("MS Sans Serif"), 13.5};
  setFont(formFont);
  setResizable(false);
  for (ui::TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5})
    box->setFont({QStringLiteral("MS Sans Serif"), 12, true});

  Text1.setAccessibleName(tr("Начальная скорость V0"));
  VScroll1.setAccessibleName(tr("Изменить скорость V0"));
  Text2.setAccessibleName(tr("Угол A в градусах"));
  VScroll2.setAccessibleName(tr("Изменить угол A"));
  Text3.setAccessibleName(tr("Расстояние до мишени S"));
  VScroll3.setAccessibleName(tr("Изменить расстояние S"));
  Text4.setAccessibleName(tr("Высота мишени H"));
  VScroll4.setAccessibleName(tr("Изменить высоту H"));
  Text5.setAccessibleName(tr("Высота траектории у мишени"));
  Text6.setAccessibleName(tr("Результат"));

  Picture1.setBackColor(ui::kWhite);
  Picture1.setFillStyle(ui::kFillSolid);
  Picture1.setFont(formFont);

  VScroll1.onChange = [this] { VScroll1_Change(); };
  VScroll2.onChange = [this] { VScroll2_Change(); };
  VScroll3.onChange = [this] { VScroll3_Change(); };
  VScroll4.onChange = [this] { VScroll4_Change(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

void Form1::Form_Load() {
  DelayFactor = 2;
}

void Form1::Form_Click() {
  ui::End();
}

void Form1::VScroll1_Change() {
  Text1.setText(ui::CStr(VScroll1.value()));
}
void Form1::VScroll2_Change() {
  Text2.setText(ui::CStr(VScroll2.value()));
}
void Form1::VScroll3_Change() {
  Text3.setText(ui::CStr(VScroll3.value()));
}
void Form1::VScroll4_Change() {
  Text4.setText(ui::CStr(VScroll4.value()));
}

void Form1::Command1_Click() {
  V0 = ui::Val(Text1.text());
  a = ui::Val(Text2.text());
  S = ui::Val(Text3.text());
  H = ui::Val(Text4.text());
  HitHeight = std::numeric_limits<double>::quiet_NaN();  // until a height is computed
  ShotComputable = shot().finite();
  if (ShotComputable && !shot().leavesGun()) {
    Text5.setText(tr("высоты нет"));
    Text6.setText(verdictText(projectile::Verdict::Short));
    return;
  }
  if (ShotComputable) HitHeight = shot().heightAtWall();
  const double shown = ui::Int(100 * HitHeight) / 100;  // floored to hundredths
  ShotComputable = std::isfinite(shown);
  if (!ShotComputable) {
    Text5.setText(QString());
    Text6.setText(tr("расчёт невозможен"));
    return;
  }
  Text5.setText(ui::CStr(shown));
  Text6.setText(verdictText(projectile::judge(HitHeight, H)));
}

void Form1::Command2_Click() {
  Picture1.cls();
  Running = kTrue;
  // x runs right and y up over S + 5 m (leftwards for a distance below -5 m); a view without
  // width (S = -5) or without a finite one gets the 5 m view of a shot not yet computed.
  const double width = S + 5;
  Picture1.scale(0, 15, std::isfinite(width) && width != 0 ? width : 5, -5);
  drawAxes();
  drawTarget();

  t = 0;
  while (Running) {
    drawGun();
    t += kStep;
    if (t >= kReplayAfter) t = kStep;
    bx = shot().xAt(t);
    by = shot().yAt(t);
    const bool ballShown = ShotComputable && by > 0;
    if (ballShown) drawBall(ui::kRed);
    ui::pause(double(DelayFactor) * 0.01);
    if (ballShown && by > 0) drawBall(ui::kWhite);
  }
}

void Form1::Command3_Click() {
  Running = 0;
}

void Form1::drawAxes() {
  Picture1.line(At(0, 0), At(50, 0));
  for (float x = 0; x <= 50; x += 5) {
    Picture1.pset(At(x, 0));
    Picture1.print(x);
  }
  Picture1.line(At(0, -5), At(0, 15));
  drawGun();
  for (float y = -5; y <= 15; y += 5) {
    Picture1.pset(At(0, y));
    Picture1.print(y);
  }
}

void Form1::drawGun() {
  Picture1.setDrawWidth(4);
  Picture1.line(At(0, 0), At(0.5, 0.5), ui::kBlack, ui::LineMode::FilledBox);
  Picture1.line(At(0.5, 0.5), At(0.8, 0.8), ui::kBlack);
  Picture1.setDrawWidth(1);
}

void Form1::drawTarget() {
  Picture1.setFillColor(ui::kBlack);
  Picture1.line(At(S, 0), At(S + 0.5, H), ui::kBlack, ui::LineMode::Box);
}

void Form1::drawBall(ui::Color color) {
  Picture1.pset(At(bx, by), color);
  Picture1.setFillColor(color);
  Picture1.circle(At(bx, by), kBallRadius, color);
}
