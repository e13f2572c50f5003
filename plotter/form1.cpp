// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <cmath>

#include "ui/platform.h"
#include "ui/values.h"

namespace plotter {
namespace {

constexpr ui::Color kWindowColor = ui::RGB(192, 255, 255);
constexpr ui::Color kSignalColor = ui::RGB(192, 255, 192);  // the radio lesson's buttons

}  // namespace

Form1::Form1() : Form(QStringLiteral("Form1"), kDesignWidth, kDesignHeight) {
  setUpLook();
  bindHandlers();
}

void Form1::setUpLook() {
  setBackColor(kWindowColor);
  Picture1.setBackColor(ui::kWhite);
  Picture1.setAccessibleName(tr("График"));
  for (ui::Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7})
    l->setFontSize(13.5);
  Label7.setBackColor(kWindowColor);

  Command1.setBackColor(ui::RGB(0, 255, 255));
  for (ui::CommandButton* b : {&Command3, &Command5, &Command7, &Command10})
    b->setBackColor(kSignalColor);
  Command8.setBackColor(ui::kWhite);
  Command16.setBackColor(ui::RGB(255, 128, 128));
  Command20.setBackColor(ui::RGB(128, 128, 255));

  HScroll1.setAccessibleName(tr("Параметр a"));
  HScroll2.setAccessibleName(tr("Параметр b"));
  HScroll3.setAccessibleName(tr("Параметр c"));
  VScroll1.setAccessibleName(tr("Масштаб по вертикали"));
}

void Form1::bindHandlers() {
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command8.onClick = [this] { Command8_Click(); };
  Command10.onClick = [this] { Command10_Click(); };
  Command11.onClick = [this] { Command11_Click(); };
  Command12.onClick = [this] { Command12_Click(); };
  Command13.onClick = [this] { Command13_Click(); };
  Command14.onClick = [this] { Command14_Click(); };
  Command15.onClick = [this] { Command15_Click(); };
  Command16.onClick = [this] { Command16_Click(); };
  Command17.onClick = [this] { Command17_Click(); };
  Command18.onClick = [this] { Command18_Click(); };
  Command19.onClick = [this] { Command19_Click(); };
  Command20.onClick = [this] { Command20_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  HScroll3.onChange = [this] { HScroll3_Change(); };
  VScroll1.onChange = [this] { VScroll1_Change(); };
  Option1.onClick = [this] { Option1_Click(); };
  Option2.onClick = [this] { Option2_Click(); };
}

void Form1::Form_Load() {
  Picture1.scale(-2000, -2000, 2000, 2000);
  ParamA = 800;
  ParamB = 1200;
  DelayFactor = 1;
  PiValue = 3.1415;
  LiveMode = -1;
  Running = 0;
  StepsPerPi = float(HScroll3.value());
  Omega = 1;
  XValue = PiValue / StepsPerPi;
  Label1.setCaption(ParamA.text());
  Label2.setCaption(ParamB.text());
  // Drawn before any seeding from the clock: the same c at every start.
  ParamC = rndInt(200) + 10;
  Label3.setCaption(ParamC.text());
  fillSweepTables();
  Counter = 0;
  TargetAngle = 40;
}

// One entry a degree, 0 to 360 degrees, from the radius a = 800 set at load.
void Form1::fillSweepTables() {
  Counter = 0;
  for (XValue = 0; XValue <= 2 * PiValue && Counter < kSweepRoom; XValue += PiValue / 180) {
    Counter = Counter + 1;
    SweepCos[size_t(Counter)] = ParamA * std::cos(XValue);
    SweepSin[size_t(Counter)] = ParamA * std::sin(XValue);
  }
}

void Form1::Form_Resize() {
  const double W = clientWidth(), H = clientHeight();
  Command8.move(W - 1300, H - 900);
  Command1.move(W - 1300, H - 1500);
  Command2.move(W - 2700, H - 1500);
  Option1.move(W - 5500, H - 1400);
  Option2.move(W - 4200, H - 1400);
  Command3.move(W - 2700, H - 2100);
  Command4.move(W - 1300, H - 2100);
  Command5.move(W - 2700, H - 2700);
  Command7.move(W - 2700, H - 3300);
  Command10.move(W - 2700, H - 3900);
  Command11.move(W - 1300, H - 3900);
  Command12.move(W - 2700, H - 4500);
  Command13.move(W - 1300, H - 4500);
  Command17.move(W - 2700, H - 900);
  Command19.move(W - 4500, H - 900);
  HScroll1.move(W - 12200, H - 350);
  HScroll2.move(W - 10100, H - 350);
  HScroll3.move(W - 7900, H - 350);
  VScroll1.move(W - 5700, H - 950);
  Label1.move(W - 11650, H - 750);
  Command14.move(W - 2700, H - 5100);
  Command16.move(W - 2700, H - 6000);
  Command20.move(W - 2000, H - 6000);
  Command18.move(W - 1300, H - 6000);
  Command15.move(W - 1300, H - 5100);
  Label2.move(W - 9650, H - 750);
  Label3.move(W - 7300, H - 750);
  Label4.move(W - 12000, H - 750);
  Label5.move(W - 10000, H - 750);
  Label6.move(W - 7700, H - 750);
  Label7.setTop(H - 1180);
  Picture1.move(scaleLeft() + 100, scaleTop() + 100);
  // Between 1900 and 3300 twips the rule would give the picture no width at all: it keeps
  // the width it has.
  if (W > 1900 && W - 3300 > 0) Picture1.setWidth(W - 3300);
  if (H > 1700) Picture1.setHeight(H - 1500);
}

void Form1::Form_Click() {
  ui::End();
}

void Form1::Option1_Click() {
  if (Option1.value()) Option2.setValue(false);
}

void Form1::Option2_Click() {
  if (Option2.value()) Option1.setValue(false);
}

void Form1::drawAxes(double x1, double x2, double y1, double y2) {
  Picture1.pset(ui::At(0, 0), ui::kBlack);
  Picture1.line(ui::Step(x1, 0), ui::At(x2, 0));
  Picture1.pset(ui::At(0, 0), ui::kBlack);
  Picture1.line(ui::Step(0, y1), ui::At(0, y2));
}

void Form1::showParameters() {
  Label1.setCaption(ParamA.text());
  Label2.setCaption(ParamB.text());
  Label3.setCaption(ParamC.text());
}

void Form1::readStepsPerPi() {
  StepsPerPi = float(HScroll3.value());
  XValue = PiValue / StepsPerPi;
}

void Form1::framePause() {
  ui::pause(0.005 * DelayFactor);
}

void Form1::startAnimation(double x1, double y1, double x2, double y2) {
  Running = -1;
  Picture1.scale(x1, y1, x2, y2);
  Picture1.setFillStyle(ui::kFillTransparent);
}

void Form1::plotMoving(double x, double y, ui::Color color, double radius) {
  Picture1.pset(ui::At(x, y), color);
  Picture1.circle(ui::Step(0, 0), radius, color);
}

}  // namespace plotter
