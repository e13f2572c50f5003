// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvel.h"

#include "labstyle.h"

using chargelab::kPale;
using chargelab::kTeal;
using chargelab::sans;
using chargelab::styleBox;
using chargelab::styleLabel;
using chargelab::styleTag;
using ui::RGB;

namespace {

// Where this lab differs from the one with the tests: signed values everywhere, the charges
// in the middle of a lower picture with long stands, and the force kept in view.
chargelab::LabVariant plainLab() {
  chargelab::LabVariant v;
  v.magnitudes = false;
  v.ycDivisor = 2;
  v.standShare = 0.5;
  v.text10Offset = 300;
  v.text7Offset = -220;
  v.text8Offset = 90;
  v.forceTextInDrawForces = true;
  v.textsAfterDrawing = true;
  return v;
}

}  // namespace

Quorvel::Quorvel()
    : ui::Form(QStringLiteral("ChargeLab"), 7545, 6045),
      lab_({*this, Option1, HScroll1, HScroll2, HScroll3, Picture1, Text1, Text2, Text3, Text4,
            Text5, Text6, Text7, Text8, Text10, Text11},
           plainLab()) {
  setUpLook();
  bindHandlers();
}

// The captions, value boxes, scroll bars and option buttons above the picture.
void Quorvel::setUpLook() {
  setBackColor(kTeal);
  setFillColor(RGB(255, 0, 0));
  setResizable(false);

  styleLabel(Label2, ui::kBlack, sans(12, true, true));
  styleLabel(Label3, ui::kBlack, sans(12, true, true));
  styleLabel(Label1, RGB(255, 255, 0), sans(12, true));
  styleLabel(Label6, RGB(0, 192, 192), sans(13.5, true));
  styleLabel(Label5, RGB(0, 0, 255), sans(13.5, true));

  styleBox(Text1, ui::kBlack, sans(12, true), tr("Заряд q1"));
  styleBox(Text2, ui::kBlack, sans(12, true), tr("Заряд q2"));
  styleBox(Text3, RGB(255, 0, 0), sans(13.5, true), tr("Сила Кулона"));
  styleBox(Text6, RGB(0, 192, 192), sans(13.5, true), QStringLiteral("E2"));
  styleBox(Text4, RGB(0, 0, 255), sans(13.5, true), QStringLiteral("E1"));
  for (ui::TextBox* box : {&Text1, &Text2, &Text3, &Text4})
    box->setAlignment(ui::Align::Center);
  styleBox(Text5, ui::kBlack, sans(12, true), tr("Расстояние r"));
  Text5.setBackColor(kPale);
  Text5.setBorderStyle(0);
  Text5.setAlignment(ui::Align::Center);

  HScroll1.setAccessibleName(tr("Заряд q1, нКл"));
  HScroll2.setAccessibleName(tr("Заряд q2, нКл"));
  HScroll3.setAccessibleName(tr("Расстояние r, см"));

  Option1.setBackColor(kTeal);
  Option1.setForeColor(RGB(192, 0, 0));
  Option1.setFont(sans(18, true));
  Option2.setBackColor(kTeal);
  Option2.setForeColor(RGB(0, 0, 192));
  Option2.setFont(sans(12, true));

  Line14.setForeColor(RGB(0, 192, 192));
  Line15.setForeColor(RGB(0, 0, 255));
  setUpPicture();
}

// The picture and the boxes on it that label the drawing.
void Quorvel::setUpPicture() {
  Picture1.setBackColor(kPale);
  Picture1.setDrawWidth(2);
  styleTag(Text10, tr("Вектор у заряда q1"), false);
  styleTag(Text11, tr("Вектор у заряда q2"), false);
  styleTag(Text7, tr("Подпись заряда q1"));
  styleTag(Text8, tr("Подпись заряда q2"));
  Text9.setBackColor(kPale);
  Text9.setBorderStyle(0);
  Text9.setFont(sans(8.25));
  Text9.setAlignment(ui::Align::Center);
  Text9.setAccessibleName(tr("Подсказка"));
}

void Quorvel::bindHandlers() {
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  // The charges follow the thumb while it is dragged; the distance only when it is let go.
  HScroll1.onScroll = [this] { HScroll1_Change(); };
  HScroll2.onScroll = [this] { HScroll2_Change(); };
  HScroll3.onChange = [this] { HScroll3_Change(); };
  Option1.onClick = [this] { Option1_Click(); };
  Option2.onClick = [this] { Option2_Click(); };
  Picture1.onClick = [this] { Picture1_Click(); };
  Picture1.onDblClick = [this] { Picture1_DblClick(); };
  Label1.onClick = [this] { Label1_Click(); };
}

void Quorvel::Form_Load() {
  InitLab();
}

void Quorvel::InitLab() {
  lab_.writeStartTexts();
}

void Quorvel::Form_DblClick() {
  ui::End();
}

void Quorvel::Label1_Click() {
  ui::End();
}

void Quorvel::HScroll1_Change() {
  lab_.quantityUpdate();
}

void Quorvel::HScroll2_Change() {
  HScroll1_Change();
}

void Quorvel::HScroll3_Change() {
  lab_.distanceUpdate();
}

void Quorvel::Option1_Click() {
  if (Option1.value()) DrawForces();
}

void Quorvel::Option2_Click() {
  if (Option2.value()) DrawFieldStrengths();
}

void Quorvel::Picture1_Click() {
  Picture1_Change();
}

void Quorvel::Picture1_Change() {
  DrawForces();
}

void Quorvel::Picture1_DblClick() {
  Picture1.cls();
  DrawFieldStrengths();
}
