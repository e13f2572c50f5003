// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities of two point charges and their force and field picture, as both charge lab
// windows show them; the windows differ only in the points collected in LabVariant.
#pragma once

#include <QCoreApplication>

#include "ui/controls.h"
#include "ui/values.h"

namespace chargelab {

// The points in which the charge lab windows differ.
struct LabVariant {
  // Texts and the scroll handlers' force show magnitudes (true) or signed values (false).
  bool magnitudes = true;
  // The charges sit at the picture's height divided by this.
  double ycDivisor = 1.4;
  // Stands reach down, and the distance marker lies below the charges, by this share of yc.
  double standShare = 0.1;
  // Text10.Left = xc − scale·E − 50·r − text10Offset; twips.
  double text10Offset = 320;
  // Text7.Left = xc − 50·r + text7Offset, Text8.Left = xc + 50·r + text8Offset; twips.
  double text7Offset = 20;
  double text8Offset = 190;
  // DrawForces writes the bare force into Text3.
  bool forceTextInDrawForces = false;
  // A charge change writes its texts after the drawing, so that the force stays in view in
  // field mode too; otherwise before it.
  bool textsAfterDrawing = false;
};

// The controls of the window that the quantities and the picture read and write.
struct LabControls {
  ui::Form& window;           // its FillColor is the red pen
  ui::OptionButton& Option1;  // selected: forces are drawn, otherwise field strengths
  ui::ScrollBar& HScroll1;
  ui::ScrollBar& HScroll2;
  ui::ScrollBar& HScroll3;
  ui::PictureBox& Picture1;
  ui::TextBox& Text1;
  ui::TextBox& Text2;
  ui::TextBox& Text3;
  ui::TextBox& Text4;
  ui::TextBox& Text5;
  ui::TextBox& Text6;
  ui::TextBox& Text7;
  ui::TextBox& Text8;
  ui::TextBox& Text10;
  ui::TextBox& Text11;
};

// The window variables shared by the handlers and the drawings.
struct LabVariables {
  ui::Int16 k;              // Coulomb factor
  double F = 0;             // µN; a magnitude or signed, see LabVariant and DrawForces
  ui::Int16 q1, q2;         // nC
  double E1 = 0, E2 = 0;    // field strength of charge 1 and 2 at distance r, signed
  int a = 0, b = 0, c = 0;  // colour components of the last drawing
};

// Computes the force and field strengths from the three scroll bars, writes them and draws
// them into Picture1 in twips, y downwards.
class ChargeLab {
  Q_DECLARE_TR_FUNCTIONS(ChargeLab)

 public:
  ChargeLab(LabControls controls, LabVariant variant);

  LabVariables vars;

  // The start-up texts: both charges in nC and r in cm.
  void writeStartTexts();
  // What a move of either charge bar does: the quantities, their texts and the picture of the
  // selected mode, the texts before or after the picture as the variant says.
  void quantityUpdate();
  // What a move of the distance bar does: the distance text, the quantities and their texts,
  // the picture, then the charge labels moved to the charges.
  void distanceUpdate();

  void DrawForces();
  void DrawFieldStrengths();

 private:
  // k, F, q1, q2 and the field strength of each charge that is not 0.
  void updateQuantities();
  // The force and both charges as texts.
  void writeQuantityTexts();
  // The distance text "r = ..см".
  void writeDistanceText();
  // Moves the charge labels next to the charges.
  void placeChargeLabels();
  void drawSelectedMode();

  // Where things go in one drawing; taken afresh at every call.
  struct Layout {
    double s = 0;           // vector scale, twips per unit
    float xc = 0;           // twips, the middle of the picture
    double yc = 0;          // twips, the line of the charges
    double hx = 0;          // twips, horizontal reach of an arrow-head stroke
    double hy = 0;          // twips, its vertical reach
    ui::Int16 r50;          // twips, half the drawn distance between the charges
    double X1 = 0, X2 = 0;  // twips, the centres of the charges
    double yd = 0;          // twips, height of the distance marker
    ui::Color S = 0, R = 0, M = 0, red = 0;
  };

  void computeSignedQuantities();
  void layOut(double scale, int a, int b, int c);
  double x(int i) const { return i == 1 ? L_.X1 : L_.X2; }
  int charge(int i) const { return i == 1 ? vars.q1.value() : vars.q2.value(); }
  bool oppositeSigns() const;

  void dot(ui::Color color);
  void circleAt(int i, ui::Color color);
  void arrow(int i, double length, ui::Color color);
  void head(double tipX, double tipY, double dx, ui::Color color);
  void stand(int i, double y0);
  void plus(int i);
  void minus(int i, ui::Color color);
  void markerHalf(int i, ui::Color dotColor, ui::Color shaftColor, ui::Color headColor);
  void chargeBase(int i, ui::Color circleColor);
  void signPart(int i, ui::Color dotBeforePlus, ui::Color dotBeforeMinus, ui::Color minusColor);

  LabControls c_;
  LabVariant variant_;
  Layout L_;
};

}  // namespace chargelab
