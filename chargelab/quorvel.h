// SPDX-License-Identifier: GPL-3.0-or-later
// The plain charge lab window: two charges and their distance on scroll bars, the signed force
// and field strengths as texts and as a picture; no tests and no help texts.
#pragma once

#include <QCoreApplication>

#include "chargelab.h"
#include "ui/controls.h"

class Quorvel : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(Quorvel)

 public:
  Quorvel();

  void Form_Load() override;
  void Form_DblClick() override;

  ui::Label Label2{this, "Label2", Quorvel::tr("Заряд1=q1"), {360, 240, 1815, 375}};
  ui::TextBox Text1{this, "Text1", "", {360, 720, 1935, 420}};
  ui::ScrollBar HScroll1{this, "HScroll1", ui::ScrollBar::Horizontal, -10,
                         10,   0,          {360, 1320, 1935, 255}};
  ui::Label Label3{this, "Label3", Quorvel::tr("Заряд2=q2"), {5280, 240, 1935, 375}};
  ui::TextBox Text2{this, "Text2", "", {5160, 720, 2055, 420}};
  ui::ScrollBar HScroll2{this, "HScroll2", ui::ScrollBar::Horizontal, -10,
                         10,   0,          {5160, 1320, 2055, 255}};
  ui::TextBox Text3{this, "Text3", "", {2520, 720, 2415, 480}};
  ui::Label Label1{this, "Label1", Quorvel::tr("Расстояние"), {2640, 1560, 2175, 255}};
  ui::ScrollBar HScroll3{this, "HScroll3", ui::ScrollBar::Horizontal, 26,
                         50,   38,         {2640, 1320, 2175, 255}};
  ui::OptionButton Option1{this, "Option1", Quorvel::tr("Силы"), {2760, 120, 1815, 375}};
  ui::OptionButton Option2{this, "Option2", Quorvel::tr("Напряжённости"), {2520, 2160, 2415, 375}};
  ui::Label Label6{this, "Label6", "E2", {360, 1680, 1695, 375}};
  ui::TextBox Text6{this, "Text6", "", {120, 2160, 2175, 495}};
  ui::Label Label5{this, "Label5", "E1", {5400, 1680, 1575, 375}};
  ui::TextBox Text4{this, "Text4", "", {5160, 2160, 2175, 495}};

  ui::PictureBox Picture1{this, "Picture1", {0, 2760, 7455, 3195}};
  ui::TextBox Text9{&Picture1,
                    "Text9",
                    Quorvel::tr("Силы - 1 клик. Напряжённость - 2 клика"),
                    {1800, 0, 3735, 285}};
  ui::TextBox Text10{&Picture1, "Text10", "", {1800, 1200, 495, 195}};
  ui::TextBox Text11{&Picture1, "Text11", "", {5760, 1200, 495, 195}};
  ui::TextBox Text7{&Picture1, "Text7", "", {1680, 1680, 615, 195}};
  ui::TextBox Text8{&Picture1, "Text8", "", {5640, 1680, 615, 195}};
  // Lies over the picture, so it is made after it.
  ui::TextBox Text5{this, "Text5", "", {2880, 4680, 1695, 300}};

  ui::Shape Shape1{this, "Shape1", {240, 240, 2055, 375}};
  ui::Shape Shape2{this, "Shape2", {5160, 240, 2055, 375}};
  ui::LineShape Line1{this, "Line1", 120, 120, 2400, 120};
  ui::LineShape Line2{this, "Line2", 2400, 120, 2400, 1680};
  ui::LineShape Line3{this, "Line3", 2400, 1680, 120, 1680};
  ui::LineShape Line4{this, "Line4", 120, 1680, 120, 120};
  ui::LineShape Line5{this, "Line5", 5040, 120, 7320, 120};
  ui::LineShape Line6{this, "Line6", 7320, 120, 7320, 1680};
  ui::LineShape Line7{this, "Line7", 7320, 1680, 5040, 1680};
  ui::LineShape Line8{this, "Line8", 5040, 1680, 5040, 120};
  ui::LineShape Line9{this, "Line9", 2520, 1920, 4920, 1920};
  ui::LineShape Line10{this, "Line10", 4920, 1920, 4920, 2640};
  ui::LineShape Line11{this, "Line11", 4920, 2640, 2520, 2640};
  ui::LineShape Line12{this, "Line12", 2520, 2640, 2520, 1920};
  ui::LineShape Line13{this, "Line13", 2520, 600, 4920, 600};
  ui::LineShape Line14{this, "Line14", 600, 2040, 1800, 2040, ui::RGB(0, 192, 192)};
  ui::LineShape Line15{this, "Line15", 5640, 2040, 6720, 2040, ui::RGB(0, 0, 255)};

  // The window variables k, F, q1, q2, E1, E2 live in the lab.
  const chargelab::LabVariables& lab() const { return lab_.vars; }

 private:
  void setUpLook();
  void setUpPicture();
  void bindHandlers();
  void InitLab();

  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void Option1_Click();
  void Option2_Click();
  void Picture1_Click();
  void Picture1_Change();
  void Picture1_DblClick();
  void Label1_Click();
  void DrawForces() { lab_.DrawForces(); }
  void DrawFieldStrengths() { lab_.DrawFieldStrengths(); }

  chargelab::ChargeLab lab_;
};
