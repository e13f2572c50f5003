// SPDX-License-Identifier: GPL-3.0-or-later
// The radio lesson's pictures: the amplitude-modulated carrier, its detection, the envelope,
// and the electric and magnetic fields of an electromagnetic wave.
#include <cmath>

#include "form1.h"
#include "ui/platform.h"
#include "ui/values.h"

namespace plotter {

using ui::At;

namespace {

constexpr ui::Color kLightRed = ui::RGB(255, 128, 128);   // the electric field
constexpr ui::Color kLightBlue = ui::RGB(128, 128, 255);  // the magnetic field

}  // namespace

void Form1::carrierPicture() {
  Picture1.scale(-500, -200, 500, 200);
  drawAxes(-500, 500, -200, 200);
}

template <typename AtX>
void Form1::overCarrier(AtX atX) {
  const double end = 80 * PiValue;
  for (XValue = -end; XValue <= end; XValue += PiValue / 180)
    atX();
}

// A carrier Sin(2·x) whose amplitude 120 swings by 10 at the low frequency b.
void Form1::Command3_Click() {
  Picture1.cls();
  carrierPicture();
  Running = 0;
  ui::Randomize();
  ParamA = rndInt(20) + 8;
  ParamB = rndInt(10) / 10.0f;
  ParamC = rndInt(5) + 1;
  showParameters();
  Label7.setCaption(QStringLiteral("y = (120 + 10 * Cos(b * x)) * Sin(2* x) "));
  overCarrier([this] {
    YValue = (10 * std::cos(ParamB * XValue) + 120) * std::sin(2 * XValue);
    Picture1.pset(At(2 * XValue, -YValue), ui::kRed);
  });
}

void Form1::Command5_Click() {
  Picture1.cls();
  modul();
}

// What the detector's diode lets through: the positive half-waves of the carrier.
void Form1::modul() {
  carrierPicture();
  Label1.setCaption(ParamA.text());
  Label2.setCaption(ParamB.text());
  Label7.setCaption(QStringLiteral("y = (120 + 10 * Cos(b * x)) * Sin(2 * x) "));
  overCarrier([this] {
    if (std::sin(2 * XValue) < 0) return;
    YValue = (10 * std::cos(ParamB * XValue) + 120) * std::sin(2 * XValue);
    Picture1.pset(At(2 * XValue, -YValue), ui::kRed);
  });
}

// The low-frequency signal the detector recovers, drawn where the carrier is positive.
void Form1::Command7_Click() {
  Picture1.cls();
  carrierPicture();
  Label1.setCaption(ParamA.text());
  Label2.setCaption(ParamB.text());
  Label7.setCaption(QStringLiteral(" y = (20+10 * Cos(b * x)) "));
  overCarrier([this] {
    if (std::sin(2 * XValue) < 0) return;
    YValue = 10 * std::cos(ParamB * XValue) + 20;
    Picture1.pset(At(2 * XValue, -YValue), ui::kRed);
  });
}

void Form1::startWavePicture() {
  Running = 0;
  ui::Randomize();
  Picture1.cls();
  Picture1.scale(-500, -200, 500, 200);
  drawAxes(-500, 1000, -200, 200);
  ParamA = 56;
  ParamB = -1;
  ParamC = 64;
  showParameters();
  Label7.setCaption(QStringLiteral("y = b *c * Sin(x/ 16) +  x"));
}

// The field y = x + c·Sin(x/16) about the propagation axis y = x, with its vectors.
void Form1::drawOneField(ui::Color color) {
  startWavePicture();
  const double end = ParamA * PiValue;
  for (XValue = -end; XValue <= end; XValue += PiValue / 180) {
    YValue = XValue + ParamC * std::sin(XValue / 16);
    Picture1.pset(At(XValue, ParamB * YValue), color);
    YSingle = float(XValue);
    Picture1.pset(At(XValue, ParamB * YSingle), ui::kBlack);
    Picture1.line(At(XValue, ParamB * YSingle), At(XValue, ParamB * YValue), color);
  }
  const double beyond = (ParamA + 2) * PiValue;
  Picture1.line(At(-end, end), At(beyond, -beyond), ui::kBlack);
}

void Form1::Command16_Click() {
  drawOneField(kLightRed);
}

void Form1::Command20_Click() {
  drawOneField(kLightBlue);
}

// Both fields, the picture turned: x runs up, the field vectors lie across. Stretches of x
// take the magnetic or the electric colour and a hatching of their own; the last stretch is
// drawn in a second pass.
void Form1::Command18_Click() {
  startWavePicture();
  const double api = ParamA * PiValue;
  const auto fieldLine = [this](ui::Color color, int fill) {
    Picture1.setFillStyle(fill);
    Picture1.pset(At(ParamB * YValue, XValue), color);
    Picture1.line(At(ParamB * XValue, XValue), At(ParamB * YValue, XValue), color);
  };
  const auto between = [this](double low, double high) { return low < XValue && XValue < high; };
  for (XValue = -api; XValue <= api; XValue += PiValue / 180) {
    YValue = XValue + ParamC * std::sin(XValue / 16);
    if (between(-api / 1.75, -api / 3.5)) fieldLine(kLightBlue, ui::kFillHorizontal);
    if (between(-api, -api / 1.75)) fieldLine(kLightBlue, ui::kFillHorizontal);
    if (between(api / 3.5, api / 1.16)) fieldLine(kLightRed, ui::kFillVertical);
    if (between(0, api / 3.5)) fieldLine(kLightRed, ui::kFillVertical);
  }
  for (XValue = -api; XValue <= api; XValue += PiValue / 180) {
    YValue = XValue + ParamC * std::sin(XValue / 16);
    if (between(-api / 3.5, 0)) fieldLine(kLightBlue, ui::kFillHorizontal);
  }
  Picture1.setFillStyle(ui::kFillTransparent);
  const double beyond = (ParamA + 2) * PiValue;
  Picture1.line(At(0, 0), At(beyond, -beyond), ui::kBlack);
}

}  // namespace plotter
