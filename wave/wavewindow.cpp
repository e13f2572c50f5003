// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavewindow.h"

#include "ui/platform.h"
#include "ui/values.h"

namespace wave {
namespace {

constexpr ui::Color kWindowColor = ui::RGB(192, 255, 255);

ui::FontSpec sansSerif(double pt, bool bold) {
  ui::FontSpec f;
  f.name = QStringLiteral("MS Sans Serif");
  f.size = pt;
  f.bold = bold;
  return f;
}

}  // namespace

WaveWindow::WaveWindow(const StartButtons& buttons, const WaveRules& rules)
    : WaveForm(QStringLiteral("Form1"), kDesignWidth, kDesignHeight, rules), buttons_(buttons) {
  setBackColor(kWindowColor);

  Command2.setCaption(buttons_.command2.caption);
  Command3.setCaption(buttons_.command3.caption);
  Command4.setCaption(buttons_.command4.caption);
  for (ui::CommandButton* b : {&Command1, &Command2, &Command3, &Command4, &Command5})
    b->setFont(sansSerif(13.5, true));
  Command6.setFont(sansSerif(12, true));
  Command2.setBackColor(ui::RGB(255, 192, 192));
  Command3.setBackColor(ui::RGB(128, 128, 255));

  HScroll1.setAccessibleName(tr("Индуктивность L"));
  HScroll2.setAccessibleName(tr("Ёмкость C"));
  HScroll3.setAccessibleName(tr("Точек на пи"));
  VScroll1.setAccessibleName(tr("Затухание"));

  Picture1.setBackColor(ui::kWhite);
  Picture1.setFont(sansSerif(12, false));

  for (ui::Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8,
                       &Label9, &Label10, &Label11, &Label12, &Label13, &Label14}) {
    l->setBackColor(kWindowColor);
    l->setFont(sansSerif(13.5, true));
  }
  Label5.setFontBold(false);
  for (ui::Label* l : {&Label10, &Label13, &Label14})
    l->setFontSize(12);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  HScroll3.onChange = [this] { HScroll3_Change(); };
  VScroll1.onChange = [this] { VScroll1_Change(); };

  attach({&Picture1, &HScroll1, &HScroll2, &HScroll3, &VScroll1, &Label11, &Label12});
}

void WaveWindow::Form_Load() {
  loadDefaults();
  Label1.setCaption(ui::CStr(EValue));
  showDamping();
  Label3.setCaption(ui::CStr(Amplitude));
  Label11.setCaption(ui::CStr(HScroll1.value()));
  Label12.setCaption(ui::CStr(HScroll2.value()));
  Label13.setCaption(ui::CStr(HScroll3.value()));
}

void WaveWindow::showDamping() {
  Label2.setCaption(ui::Str(Damping) + QStringLiteral("-") + ui::Str(ui::Int(10 * DampingInverse)));
}

void WaveWindow::Form_Resize() {
  const double W = clientWidth(), H = clientHeight();
  Command1.move(W - 2000, H - 900);
  Command2.move(W - 2000, H - 1700);
  Command3.move(W - 2000, H - 2400);
  Command4.move(W - 2000, H - 3000);
  Command5.move(W - 5100, H - 900);
  Command6.move(W - 4000, H - 900);
  VScroll1.move(W - 500, H - 5000);
  HScroll1.move(W - 2000, H - 6800);
  HScroll2.move(W - 2000, H - 5700);
  HScroll3.move(W - 4000, H - 1400);
  Label13.move(W - 4400, H - 1400);
  Label14.move(W - 5100, H - 1400);
  Label10.move(W - 2200, H - 4700);
  Label9.move(W - 2200, H - 6100);
  Label12.move(W - 1900, H - 6100);
  Label8.move(W - 2200, H - 7200);
  Label11.move(W - 1700, H - 7200);
  Label7.move(W - 11000, H - 1400);
  Label1.move(W - 7700, H - 500);
  Label4.move(W - 8200, H - 500);
  Label3.move(W - 10000, H - 500);
  Label5.move(W - 2300, H - 3600);
  Label2.move(W - 1400, H - 3600);
  Label6.move(W - 10500, H - 500);
  Picture1.move(scaleLeft() + 100, scaleTop() + 100);
  // A window narrower than 2500 twips would give the picture no width at all: it keeps the
  // width it has.
  if (W - 2500 > 0) Picture1.setWidth(W - 2500);
  if (H > 1700) Picture1.setHeight(H - 1600);
}

void WaveWindow::Form_Click() {
  ui::End();
}

void WaveWindow::Command1_Click() {
  clearPicture();
}

void WaveWindow::start(const StartButton& button) {
  ShowI = button.showI;
  ShowU = button.showU;
  ShowSum = button.showSum;
  Label7.setCaption(button.formula);
  AnimateWave();
}

void WaveWindow::Command2_Click() {
  start(buttons_.command2);
}
void WaveWindow::Command3_Click() {
  start(buttons_.command3);
}
void WaveWindow::Command4_Click() {
  start(buttons_.command4);
}
void WaveWindow::Command5_Click() {
  stopOrResume();
}

void WaveWindow::Command6_Click() {
  readDamping();
  showDamping();
  drawAmplitude();
  Label3.setCaption(ui::CStr(Amplitude));
}

void WaveWindow::HScroll1_Change() {
  Label11.setCaption(ui::CStr(HScroll1.value()));
}
void WaveWindow::HScroll2_Change() {
  Label12.setCaption(ui::CStr(HScroll2.value()));
}
void WaveWindow::HScroll3_Change() {
  Label13.setCaption(ui::CStr(HScroll3.value()));
}

void WaveWindow::VScroll1_Change() {
  readDamping();
  showDamping();
}

}  // namespace wave
