// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "rainbow.h"
#include "ui/platform.h"
#include "ui/values.h"

namespace fringes {
namespace {

constexpr ui::Color kWindowColor = ui::RGB(192, 255, 255);

ui::FontSpec sansSerif(double pt, bool bold) {
  ui::FontSpec f;
  f.size = pt;
  f.bold = bold;
  return f;
}

wave::WaveRules fringesRules() {
  wave::WaveRules r;
  r.reseedOnStart = false;
  r.clearResetsTime = false;
  r.reseedAfterClear = true;
  r.resumeStepsBack = true;
  r.barPerStep = 50;  // the wavelength bar gives 8 to 15.2 points per pi
  r.firstWaveRadius = 1;
  return r;
}

}  // namespace

Form1::Form1() : WaveForm(QStringLiteral("Form1"), kDesignWidth, kDesignHeight, fringesRules()) {
  setBackColor(kWindowColor);

  for (ui::CommandButton* b : {&Command2, &Command3, &Command4, &Command5})
    b->setFont(sansSerif(13.5, true));
  for (ui::CommandButton* b : {&Command1, &Command6})
    b->setFont(sansSerif(9.75, true));
  Command7.setFont(sansSerif(12, true));
  Command8.setFont(sansSerif(9.75, false));
  Command2.setBackColor(ui::RGB(255, 192, 192));
  Command3.setBackColor(ui::RGB(128, 128, 255));
  Check1.setFont(sansSerif(12, true));
  Check2.setFont(sansSerif(12, false));
  for (ui::CheckBox* c : {&Check1, &Check2})
    c->setBackColor(kWindowColor);

  HScroll1.setAccessibleName(tr("Индуктивность L"));
  HScroll2.setAccessibleName(tr("Ёмкость C"));
  HScroll3.setAccessibleName(tr("Длина волны"));
  VScroll1.setAccessibleName(tr("Шаг времени"));

  Picture1.setBackColor(kGrey);
  Picture1.setFont(sansSerif(12, false));
  Picture2.setBackColor(kWindowColor);
  Picture2.setAccessibleName(tr("Полоса спектра"));
  showSpectrum();

  for (ui::Label* l : {&Label1, &Label3, &Label4, &Label6, &Label7, &Label8, &Label9, &Label11,
                       &Label12, &Label13, &Label14}) {
    l->setBackColor(kWindowColor);
    l->setFont(sansSerif(13.5, true));
  }
  for (ui::Label* l : {&Label13, &Label14})
    l->setFontSize(12);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command8.onClick = [this] { Command8_Click(); };
  Command9.onClick = [this] { Command9_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  HScroll3.onChange = [this] { HScroll3_Change(); };
  VScroll1.onChange = [this] { VScroll1_Change(); };

  attach({&Picture1, &HScroll1, &HScroll2, &HScroll3, &VScroll1, &Label11, &Label12});
}

// The strip is an image the window carries: each pixel set once, one user unit a pixel.
void Form1::showSpectrum() {
  const QImage strip = spectrumStrip();
  const QSize size = Picture2.pixelSize();
  Picture2.scale(0, 0, size.width(), size.height());
  for (int y = 0; y < std::min(size.height(), strip.height()); ++y)
    for (int x = 0; x < std::min(size.width(), strip.width()); ++x) {
      const QRgb c = strip.pixel(x, y);
      Picture2.pset(ui::At(x + 0.25, y + 0.25), ui::RGB(qRed(c), qGreen(c), qBlue(c)));
    }
}

void Form1::Form_Load() {
  loadDefaults();
  Label1.setCaption(ui::CStr(EValue));
  Label3.setCaption(ui::CStr(Amplitude));
  Label13.setCaption(ui::CStr(HScroll3.value()));
}

void Form1::Form_Resize() {
  const double W = clientWidth(), H = clientHeight();
  Command1.move(W - 2000, H - 600);
  Command2.move(W - 2000, H - 1700);
  Command3.move(W - 2000, H - 2400);
  Command9.move(W - 2100, H - 3600);
  Command4.move(W - 2000, H - 3000);
  Command5.move(W - 5100, H - 600);
  Command6.move(W - 4000, H - 600);
  Command7.move(W - 2300, H - 5200);
  Command8.move(W - 2300, H - 5700);
  Check1.move(W - 2300, H - 4800);
  Check2.move(W - 2300, H - 4300);
  VScroll1.move(W - 500, H - 5000);
  HScroll1.move(W - 2000, H - 7000);
  HScroll2.move(W - 2000, H - 6500);
  HScroll3.move(W - 4000, H - 1400);
  Picture2.move(W - 3750, H - 1200);
  Label13.move(W - 4800, H - 1400);
  Label14.move(W - 5200, H - 1400);
  Label9.move(W - 2200, H - 6100);
  Label12.move(W - 1900, H - 6100);
  Label8.move(W - 2200, H - 7400);
  Label11.move(W - 1700, H - 7400);
  Label7.move(W - 11000, H - 1400);
  Label1.move(W - 7700, H - 300);
  Label4.move(W - 8200, H - 300);
  Label3.move(W - 10000, H - 300);
  Label6.move(W - 10500, H - 300);
  Picture1.move(scaleLeft() + 100, scaleTop() + 100);
  // A window narrower than 2500 twips would give the picture no width at all: it keeps the
  // width it has.
  if (W - 2500 > 0) Picture1.setWidth(W - 2500);
  if (H > 1700) Picture1.setHeight(H - 1600);
}

void Form1::Form_Click() {
  ui::End();
}

void Form1::Command1_Click() {
  clearPicture();
}

void Form1::startWaves(qint16 showI, qint16 showU, qint16 showSum, const QString& title) {
  Picture1.setBackColor(ui::kWhite);
  ShowI = showI;
  ShowU = showU;
  ShowSum = showSum;
  Label7.setCaption(title);
  AnimateWave();
}

void Form1::Command2_Click() {
  startWaves(-1, 0, 0, tr("Волна 1 "));
}
void Form1::Command3_Click() {
  startWaves(0, -1, 0, tr("Волна 2 "));
}
void Form1::Command4_Click() {
  startWaves(-1, -1, -1, tr("WaveSum, стоячая волна"));
}
void Form1::Command5_Click() {
  stopOrResume();
}

void Form1::Command6_Click() {
  readDamping();
  drawAmplitude();
  Label3.setCaption(ui::CStr(Amplitude));
}

void Form1::HScroll1_Change() {
  Label11.setCaption(ui::CStr(HScroll1.value()));
}
void Form1::HScroll2_Change() {
  Label12.setCaption(ui::CStr(HScroll2.value()));
}
// Micrometres once the bar has moved; the nanometres of the design until then.
void Form1::HScroll3_Change() {
  Label13.setCaption(ui::CStr(HScroll3.value() / 1000.0));
}

void Form1::VScroll1_Change() {
  readDamping();
}

}  // namespace fringes
