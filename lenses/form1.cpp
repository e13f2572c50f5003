// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <cmath>

#include "ui/values.h"

using namespace ui;

namespace {

FontSpec sansSerif(double size, bool bold) {
  FontSpec f;
  f.size = size;
  f.bold = bold;
  return f;
}

}  // namespace

Form1::Form1() : Form(QStringLiteral("Form1"), 15300, 8400) {
  SetUpLook();
  BindHandlers();
}

void Form1::SetUpLook() {
  const FontSpec small = sansSerif(9.75, false);
  const FontSpec smallBold = sansSerif(9.75, true);
  const FontSpec bigBold = sansSerif(13.5, true);
  Picture1.setBackColor(kWhite);
  Picture1.setFontSize(12);
  Command1.setFont(smallBold);
  Command2.setFont(sansSerif(12, false));
  Command3.setFont(bigBold);
  Text1.setFont(bigBold);
  Label1.setFont(small);
  Label6.setFont(small);
  Label3.setFont(smallBold);
  Label7.setFont(smallBold);
  for (Label* number : {&Label2, &Label4, &Label5, &Label8})
    number->setFont(bigBold);
  Label9.setFont(sansSerif(13.5, false));

  Picture1.setAccessibleName(tr("Линза, предмет и изображение"));
  HScroll1.setAccessibleName(tr("Расстояние до предмета d"));
  HScroll2.setAccessibleName(tr("Высота предмета h"));
  HScroll3.setAccessibleName(tr("Третья полоса прокрутки"));
  Text1.setAccessibleName(tr("Характеристика изображения"));
}

void Form1::BindHandlers() {
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
}

void Form1::Form_Load() {
  Picture1.scale(0, -200, 1000, 200);
  Randomize();
  Picture1.setFontSize(12);
  form2.load();
}

// Resizing stops the loop (the help asks the pupil to press "Линзы" again); the controls keep
// their offsets from the right and bottom edges and the picture fills the top.
void Form1::Form_Resize() {
  Running = 0;
  const double SW = clientWidth(), SH = clientHeight();
  HScroll1.move(SW - 12000, SH - 1500);
  Text1.move(SW - 12000, SH - 2500);
  Label9.move(SW - 14900, SH - 2500);
  Label1.move(SW - 14900, SH - 1500);
  Label2.move(SW - 13200, SH - 1500);
  Label3.move(SW - 8900, SH - 1500);
  Label4.move(SW - 6800, SH - 1500);
  Label5.move(SW - 13200, SH - 800);
  Label6.move(SW - 14900, SH - 800);
  Label7.move(SW - 8900, SH - 800);
  Label8.move(SW - 6800, SH - 800);
  HScroll2.move(SW - 5800, SH - 1500);
  HScroll3.move(SW - 5800, SH - 900);
  Command1.move(SW - 1800, SH - 600);
  Command2.move(SW - 1800, SH - 1500);
  Command3.move(SW - 3500, SH - 600);
  Option1.move(SW - 12000, SH - 900);
  Option2.move(SW - 12000, SH - 500);
  Picture1.move(scaleLeft() + 100, scaleTop() + 100);
  if (SW > 1900) Picture1.setWidth(SW - 500);
  // A window lower than 2800 twips would give the picture no height or a negative one: it
  // keeps the height it had.
  if (SH > 2800) Picture1.setHeight(SH - 2800);
}

void Form1::Form_Click() {
  End();
}

void Form1::HScroll1_Change() {
  Label2.setCaption(Str(HScroll1.value()));
  ComputeImage();
}

void Form1::HScroll2_Change() {
  Label4.setCaption(Str(HScroll2.value()));
}

// Thin-lens formula 1/d + 1/f = 1/F for the converging lens and 1/d - 1/f = -1/F for the
// diverging one (f counted positive on the object's side). At d = F the converging image lies at
// infinity, so d + 1 is used there.
void Form1::ComputeImage() {
  Focal = 200;
  CalcDist = HScroll1.value();
  if (CalcDist == Focal) CalcDist = CalcDist + 1;
  if (Option1.value()) ImageDist = CalcDist * Focal / (CalcDist - Focal);
  if (Option2.value()) ImageDist = CalcDist * Focal / (CalcDist + Focal);
  const double shownF = Int(10 * ImageDist) / 10;  // truncated to tenths
  Label5.setCaption(Str(shownF));
  const int h = HScroll2.value();
  ImageHeight = float(h * shownF / CalcDist);
  Label8.setCaption(Str(float(Int(10.0f * std::fabs(ImageHeight))) / 10.0f));
}

void Form1::Command1_Click() {
  Running = 0;
  Randomize();
  Picture1.cls();
  Picture1.setBackColor(kGrey);
  Randomize();
  Picture1.cls();
  Picture1.scale(-1000, -1000, 1000, 1000);
  DrawAxisAndScale();
  DrawStartObject();
}

void Form1::Command2_Click() {
  form2.show();
}

void Form1::Command3_Click() {
  form2.hide();
  LensLoop();
}
