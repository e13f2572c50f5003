// SPDX-License-Identifier: GPL-3.0-or-later
#include "chargelab.h"

#include <cmath>

#include "quantities.h"

namespace chargelab {

using ui::At;
using ui::Color;
using ui::kBlack;
using ui::RGB;
using ui::Str;

namespace {

const Color kFieldOfCharge1 = RGB(0, 0, 255);    // the colour of Text4
const Color kFieldOfCharge2 = RGB(0, 192, 192);  // the colour of Text6

QString fieldText(double e) {
  return Str(e) + ChargeLab::tr(" мкН/Кл");
}

}  // namespace

ChargeLab::ChargeLab(LabControls controls, LabVariant variant) : c_(controls), variant_(variant) {}

void ChargeLab::writeStartTexts() {
  c_.Text1.setText(Str(c_.HScroll1.value()) + tr("нКл"));
  c_.Text2.setText(Str(c_.HScroll2.value()) + tr("нКл"));
  c_.Text5.setText(Str(c_.HScroll3.value()) + tr("см"));
}

void ChargeLab::updateQuantities() {
  vars.k = kCoulombFactor;
  const double force =
      coulombForce(vars.k, c_.HScroll1.value(), c_.HScroll2.value(), c_.HScroll3.value());
  vars.F = variant_.magnitudes ? std::fabs(force) : force;
  vars.q1 = qint16(c_.HScroll1.value());
  vars.q2 = qint16(c_.HScroll2.value());
  const int r = c_.HScroll3.value();
  if (vars.q1.value() != 0) vars.E1 = fieldStrength(vars.k, vars.q1.value(), r);
  if (vars.q2.value() != 0) vars.E2 = fieldStrength(vars.k, vars.q2.value(), r);
}

void ChargeLab::writeQuantityTexts() {
  c_.Text3.setText(Str(vars.F) + tr(" мкН"));
  c_.Text1.setText(Str(c_.HScroll1.value()) + tr("нКл"));
  c_.Text2.setText(Str(c_.HScroll2.value()) + tr("нКл"));
}

void ChargeLab::writeDistanceText() {
  c_.Text5.setText(QStringLiteral("r = ") + Str(c_.HScroll3.value()) + tr("см"));
}

void ChargeLab::placeChargeLabels() {
  const float xc = float(c_.Picture1.scaleWidth() / 2);
  const ui::Int16 r50 = ui::mul16(50, c_.HScroll3.value());
  c_.Text7.setLeft(xc - double(r50) + variant_.text7Offset);
  c_.Text8.setLeft(xc + double(r50) + variant_.text8Offset);
}

void ChargeLab::quantityUpdate() {
  updateQuantities();
  if (variant_.textsAfterDrawing) {
    drawSelectedMode();
    writeQuantityTexts();
  } else {
    writeQuantityTexts();
    drawSelectedMode();
  }
}

void ChargeLab::distanceUpdate() {
  writeDistanceText();
  updateQuantities();
  writeQuantityTexts();
  drawSelectedMode();
  placeChargeLabels();
}

void ChargeLab::drawSelectedMode() {
  if (c_.Option1.value())
    DrawForces();
  else
    DrawFieldStrengths();
}

// The drawings store the force with its sign: the direction of the arrows depends on it.
void ChargeLab::computeSignedQuantities() {
  updateQuantities();
  vars.F = coulombForce(vars.k, vars.q1.value(), vars.q2.value(), c_.HScroll3.value());
}

void ChargeLab::layOut(double scale, int a, int b, int c) {
  L_.s = scale;
  L_.xc = float(c_.Picture1.scaleWidth() / 2);
  L_.yc = c_.Picture1.scaleHeight() / variant_.ycDivisor;
  L_.hx = ui::Int(L_.xc / 50.0f);
  L_.hy = L_.hx - 40;
  c_.Picture1.cls();
  vars.a = a;
  vars.b = b;
  vars.c = c;
  L_.S = RGB(0, b, c);
  L_.R = RGB(a, 0, 0);
  L_.M = RGB(a, b, c);
  L_.red = c_.window.fillColor();
  L_.r50 = ui::mul16(50, c_.HScroll3.value());
  L_.X1 = L_.xc - double(L_.r50) - 120;
  L_.X2 = L_.xc + double(L_.r50) + 90;
  L_.yd = L_.yc + L_.yc * variant_.standShare;
}

bool ChargeLab::oppositeSigns() const {
  return (charge(1) > 0 && charge(2) < 0) || (charge(1) < 0 && charge(2) > 0);
}

void ChargeLab::dot(Color color) {
  c_.Picture1.pset(At(L_.xc, L_.yc), color);
}

void ChargeLab::circleAt(int i, Color color) {
  c_.Picture1.circle(At(x(i), L_.yc), 100, color);
}

// The shaft runs from the centre of the charge; the head sits 5 twips beyond its end, on the
// side of the other charge when the two attract.
void ChargeLab::arrow(int i, double length, Color color) {
  const double y = L_.yc + 5;
  c_.Picture1.line(At(x(i), y), At(x(i) + length, y), color);
  const double inward = i == 1 ? 5 : -5;
  const double d = oppositeSigns() ? -inward : inward;
  const double sigma = length < 0 ? 1 : -1;
  head(x(i) + length + d, y, sigma * L_.hx, color);
}

void ChargeLab::head(double tipX, double tipY, double dx, Color color) {
  c_.Picture1.line(At(tipX, tipY), At(tipX + dx, tipY + L_.hy), color);
  c_.Picture1.line(At(tipX + dx, tipY + L_.hy), At(tipX, tipY), color);
  c_.Picture1.line(At(tipX, tipY), At(tipX + dx, tipY - L_.hy), color);
}

void ChargeLab::stand(int i, double y0) {
  c_.Picture1.line(At(x(i), y0), At(x(i), y0 + L_.yc * variant_.standShare), L_.S);
}

void ChargeLab::plus(int i) {
  c_.Picture1.line(At(x(i) - 90, L_.yc + 5), At(x(i) + 90, L_.yc + 10), L_.R);
  c_.Picture1.line(At(x(i), L_.yc - 80), At(x(i), L_.yc + 100), L_.R);
}

void ChargeLab::minus(int i, Color color) {
  c_.Picture1.line(At(x(i) - 90, L_.yc + 5), At(x(i) + 90, L_.yc + 10), color);
}

// Half of the double arrow between the charges, from the middle to charge i.
void ChargeLab::markerHalf(int i, Color dotColor, Color shaftColor, Color headColor) {
  dot(dotColor);
  c_.Picture1.line(At(L_.xc, L_.yd), At(x(i), L_.yd), shaftColor);
  head(x(i), L_.yd, i == 1 ? L_.hx : -L_.hx, headColor);
}

void ChargeLab::chargeBase(int i, Color circleColor) {
  dot(kBlack);
  circleAt(i, circleColor);
  stand(i, L_.yc + 160);
}

void ChargeLab::signPart(int i, Color dotBeforePlus, Color dotBeforeMinus, Color minusColor) {
  if (charge(i) > 0) {
    dot(dotBeforePlus);
    circleAt(i, L_.red);
    plus(i);
    stand(i, L_.yc + 210);
  } else if (charge(i) < 0) {
    dot(dotBeforeMinus);
    circleAt(i, L_.S);
    minus(i, minusColor);
    stand(i, L_.yc + 170);
  }
}

void ChargeLab::DrawForces() {
  computeSignedQuantities();
  c_.Text6.setText({});
  c_.Text4.setText({});
  if (variant_.forceTextInDrawForces) c_.Text3.setText(Str(vars.F));
  layOut(100, 125, 125, 225);

  const bool sameSign = (charge(1) > 0 && charge(2) > 0) || (charge(1) < 0 && charge(2) < 0);
  if (sameSign || oppositeSigns()) {
    // F > 0 sends the arrows apart, F < 0 towards each other.
    const Color dotColor = sameSign ? L_.M : kBlack;
    dot(dotColor);
    circleAt(1, L_.red);
    arrow(1, -L_.s * vars.F, L_.red);
    dot(dotColor);
    circleAt(2, L_.red);
    arrow(2, L_.s * vars.F, L_.red);
  }
  chargeBase(1, L_.S);
  signPart(1, kBlack, kBlack, L_.S);
  chargeBase(2, L_.S);
  signPart(2, kBlack, kBlack, L_.S);
  const Color brightShaft = RGB(0, 2 * vars.b, vars.c);
  markerHalf(2, L_.M, brightShaft, L_.S);
  markerHalf(1, kBlack, brightShaft, L_.S);
  c_.Picture1.setToolTipText(tr("Силы"));

  const double reach = L_.s * vars.F + double(L_.r50);
  c_.Text10.setLeft(L_.xc - reach - variant_.text10Offset);
  c_.Text11.setLeft(L_.xc + reach + 90);
  const bool has1 = charge(1) != 0, has2 = charge(2) != 0;
  c_.Text10.setText(has1 && has2 ? QStringLiteral("F12") : QString());
  c_.Text11.setText(has1 && has2 ? QStringLiteral("F21") : QString());
  c_.Text7.setText(has1 ? QStringLiteral("q1") : QString());
  c_.Text8.setText(has2 ? QStringLiteral("q2") : QString());
}

void ChargeLab::DrawFieldStrengths() {
  computeSignedQuantities();
  c_.Text3.setText({});
  layOut(1000, 127, 127, 127);

  markerHalf(2, kBlack, L_.S, L_.S);
  markerHalf(1, kBlack, L_.S, L_.S);

  // The field of each charge is drawn at the other one, on a circle in the colour of the
  // charge it sits on.
  auto circleColour = [this](int i) {
    if (charge(i) > 0) return L_.red;
    if (charge(1) < 0 && charge(2) < 0) return L_.S;
    return kBlack;
  };
  auto fieldOfCharge2 = [&] {
    dot(kBlack);
    circleAt(1, circleColour(1));
    arrow(1, -L_.s * vars.E2, kFieldOfCharge2);
  };
  auto fieldOfCharge1 = [&] {
    dot(kBlack);
    circleAt(2, circleColour(2));
    arrow(2, L_.s * vars.E1, kFieldOfCharge1);
  };
  const bool bothPositive = charge(1) > 0 && charge(2) > 0;
  if (bothPositive) {
    fieldOfCharge1();
    fieldOfCharge2();
  } else {
    if (charge(2) != 0) fieldOfCharge2();
    if (charge(1) != 0) fieldOfCharge1();
  }

  chargeBase(1, kBlack);
  chargeBase(2, kBlack);
  c_.Text10.setLeft(L_.xc - L_.s * vars.E2 - double(L_.r50) - variant_.text10Offset);
  c_.Text11.setLeft(L_.xc + L_.s * vars.E1 + double(L_.r50) + 90);
  signPart(1, kBlack, L_.M, L_.R);
  signPart(2, L_.M, kBlack, L_.R);

  const bool has1 = charge(1) != 0, has2 = charge(2) != 0;
  auto shown = [this](double e) { return variant_.magnitudes ? std::fabs(e) : e; };
  c_.Text6.setText(has2 ? fieldText(shown(vars.E2)) : QString());
  c_.Text4.setText(has1 ? fieldText(shown(vars.E1)) : QString());
  c_.Text10.setText(has2 ? QStringLiteral("E2") : QString());
  c_.Text11.setText(has1 ? QStringLiteral("E1") : QString());
  c_.Text7.setText(has1 ? QStringLiteral("q1") : QString());
  c_.Text8.setText(has2 ? QStringLiteral("q2") : QString());
  c_.Picture1.setToolTipText(tr("Напряжённости"));
}

}  // namespace chargelab
