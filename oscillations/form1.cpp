// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "ui/values.h"

using namespace ui;

namespace {

constexpr Color kWindowColor = RGB(192, 255, 255);

FontSpec sansSerif(double size, bool bold) {
  FontSpec f;
  f.name = QStringLiteral("MS Sans Serif");
  f.size = size;
  f.bold = bold;
  return f;
}

}  // namespace

Form1::Form1() : Form(QStringLiteral("Form1"), 11145, 7500) {
  SetUpLook();
  BindHandlers();
}

void Form1::SetUpLook() {
  setBackColor(kWindowColor);
  const FontSpec big = sansSerif(13.5, true);
  const FontSpec medium = sansSerif(12, true);
  for (Control* c : {static_cast<Control*>(&Command1), static_cast<Control*>(&Command2),
                     static_cast<Control*>(&Command3), static_cast<Control*>(&Command4),
                     static_cast<Control*>(&Command5)})
    c->setFont(big);
  Command6.setFont(medium);
  Command2.setBackColor(RGB(255, 192, 192));
  Command3.setBackColor(RGB(128, 128, 255));

  for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9,
                   &Label10, &Label11, &Label12, &Label13, &Label14}) {
    l->setFont(big);
    l->setBackColor(kWindowColor);
  }
  Label10.setFont(medium);
  Label13.setFont(medium);
  Label14.setFont(sansSerif(13.5, false));

  Picture1.setBackColor(kWhite);

  HScroll1.setAccessibleName(tr("Индуктивность L"));
  HScroll2.setAccessibleName(tr("Ёмкость C"));
  HScroll3.setAccessibleName(tr("Число точек"));
  HScroll4.setAccessibleName(tr("Сопротивление R"));
  VScroll1.setAccessibleName(tr("Затухание"));
}

void Form1::BindHandlers() {
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command8.onClick = [this] { Command8_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  HScroll3.onChange = [this] { HScroll3_Change(); };
  VScroll1.onChange = [this] { VScroll1_Change(); };
  Option1.onClick = [this] { Option1_Click(); };
  Option2.onClick = [this] { Option2_Click(); };
}

void Form1::Form_Load() {
  form2.load();
  ScalePicture();
  PiValue = 3.1415;
  StepsPerPi = float(HScroll3.value());
  Running = 0;
  Option1.setValue(false);
  Option2.setValue(false);
  Omega = 1;
  CurrentTime = PiValue / StepsPerPi;
  EValue = 2.7;
  Label1.setCaption(CStr(EValue));
  Damping = VScroll1.value() / 50.0;
  Label2.setCaption(CStr(Damping));
  // Drawn before any Randomize: the first number of the unseeded sequence, the same at every
  // start.
  Amplitude = float(Int(Rnd() * 180.0f) + 10);
  Label3.setCaption(CStr(Amplitude));
  Label11.setCaption(Str(HScroll1.value() / 10.0));
  Label12.setCaption(Str(HScroll2.value() / 1000.0));
  Label13.setCaption(Str(HScroll3.value() / 10.0));
}

// Controls keep their offsets from the window's right and bottom edges; the picture grows
// with the window.
void Form1::Form_Resize() {
  const double W = clientWidth(), H = clientHeight();
  const double SL = scaleLeft(), ST = scaleTop();
  Command1.move(W - 2000, H - 900);
  Command2.move(W - 2000, H - 1700);
  Command3.move(W - 2000, H - 2400);
  Command4.move(W - 2000, H - 3000);
  Command5.move(W - 5400, H - 900);
  Command6.move(W - 4000, H - 900);
  Command7.move(SL + 500, ST + 240);
  Command8.move(SL + 6000, ST + 240);
  Label14.move(SL + 2600, ST + 240);
  HScroll4.move(SL + 3000, ST + 240);
  VScroll1.move(W - 700, H - 4900);
  HScroll1.move(W - 2000, H - 6800);
  HScroll2.move(W - 2000, H - 5700);
  HScroll3.move(W - 4000, H - 1400);
  Label13.move(W - 4600, H - 1400);
  Label10.move(W - 2200, H - 4900);
  Option1.move(W - 2200, H - 4500);
  Option2.move(W - 2200, H - 4100);
  Label9.move(W - 2200, H - 6100);
  Label12.move(W - 1700, H - 6100);
  Label8.move(W - 2200, H - 7200);
  Label11.move(W - 1700, H - 7200);
  Label5.move(W - 2200, H - 3700);
  Label2.move(W - 1800, H - 3700);
  Label1.move(W - 7700, H - 500);
  Label4.move(W - 8200, H - 500);
  Label3.move(W - 10000, H - 500);
  Label6.move(W - 10500, H - 500);
  Label7.move(SL + 100, H + ST - 1400);
  Picture1.move(SL + 100, ST + 800);
  // A size is only given when it comes out positive; a narrower or lower window keeps the
  // picture's last size.
  if (W > 2500) Picture1.setWidth(W - 2500);
  if (H > 2600) Picture1.setHeight(H - 2600);
}

void Form1::Form_Click() {
  End();
}

void Form1::HScroll1_Change() {
  Label11.setCaption(Str(HScroll1.value() / 10.0));
}

void Form1::HScroll2_Change() {
  Label12.setCaption(Str(HScroll2.value() / 1000.0));
}

void Form1::HScroll3_Change() {
  Label13.setCaption(Str(HScroll3.value()));
}

void Form1::VScroll1_Change() {
  Damping = VScroll1.value() / 50.0;
  Label2.setCaption(CStr(Damping));
}

// "C": the capacitor alone is varied, L stays at its smallest value.
void Form1::Option1_Click() {
  HScroll1.setVisible(false);
  HScroll2.setVisible(true);
  HScroll1.setValue(1);
  HScroll2.setValue(5);
}

// "L": the coil alone is varied, C stays at its smallest value.
void Form1::Option2_Click() {
  HScroll2.setVisible(false);
  HScroll1.setVisible(true);
  HScroll2.setValue(1);
  HScroll1.setValue(5);
}

void Form1::Command5_Click() {
  Running = 0;
}

void Form1::Command6_Click() {
  Damping = VScroll1.value() / 50.0;
  Label2.setCaption(CStr(Damping));
  Amplitude = float(Int(Rnd() * 150.0f) + 100);
  Label3.setCaption(CStr(Amplitude));
}

void Form1::Command8_Click() {
  form2.show();
}

void Form1::ResetPhaseChoice() {
  HScroll1.setVisible(true);
  HScroll2.setVisible(true);
  Option1.setValue(false);
  Option2.setValue(false);
}
