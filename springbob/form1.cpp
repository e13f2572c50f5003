// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "ui/platform.h"
#include "ui/qtbridge.h"
#include "ui/values.h"

using namespace ui;
using springbob::kTrue;

namespace {

constexpr Color kWindowColor = RGB(192, 255, 255);

// The outer size of the window is its inner area plus the sizing border (4 px a side) and the
// caption bar (19 px) of the classic window the layout was drawn for.
constexpr double kBorderWidth = 120;   // twips
constexpr double kBorderHeight = 405;  // twips

// The smallest pace, 2.5 ms a frame: a pause of zero or less would never let a stop through.
constexpr float kFastestPace = 0.5f;

FontSpec sansSerif(double size, bool bold) {
  return FontSpec{QStringLiteral("MS Sans Serif"), size, bold};
}

}  // namespace

Form1::Form1() : CircleForm(QStringLiteral("Form1"), 10620, 7725) {
  attach({&Picture1, &Label1, &Label2, &Label3, &Label4});
  SetUpLook();
  BindHandlers();
}

void Form1::SetUpLook() {
  setBackColor(kWindowColor);
  Picture1.setBackColor(kWhite);
  for (CommandButton* b :
       {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7})
    b->setFont(sansSerif(13.5, false));
  Command8.setFont(sansSerif(12, true));
  for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7})
    l->setFont(sansSerif(13.5, true));
  Label1.setFontSize(12);
  // The first line's spacing and the second line's height: the value's line is whole.
  const QFontMetrics yText(toQFont(Label2.font()));
  Label2.setHeight(pixelsToTwips(yText.lineSpacing() + yText.height()));
  for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6})
    l->setBackColor(kWindowColor);
  Label5.setForeColor(kRed);
  Label6.setForeColor(kRed);
  HScroll1.setAccessibleName(tr("Масса m"));
  HScroll2.setAccessibleName(tr("Жёсткость k"));
  Picture1.setAccessibleName(tr("Рисунок"));
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
}

void Form1::Form_Load() {
  LoadCircle();
  R1 = 600;
  K = 1;
  M = 1;
  SpringRising = kTrue;
  MarkFlag = kTrue;
  Command8.setEnabled(false);
  const std::vector<double> angles = TableAngles();
  for (size_t k = 0; k < angles.size(); ++k) {
    SpringX[k + 1] = R1 * std::cos(angles[k]);
    SpringY[k + 1] = R1 * std::sin(angles[k]);
  }
  J = 40;
}

// The controls keep their offsets from the right and bottom edges of the inner area; the
// picture takes the outer size less a fixed margin, and keeps its size when that would leave
// it none.
void Form1::Form_Resize() {
  const double SW = clientWidth(), SH = clientHeight();
  const double W = SW + kBorderWidth, H = SH + kBorderHeight;
  Command1.move(SW - 1800, SH - 1500);
  Command2.move(SW - 1800, SH - 800);
  Command8.move(SW - 3600, SH - 2500);
  Command5.move(SW - 3600, SH - 1500);
  Command6.move(SW - 3600, SH - 800);
  Command3.move(SW - 6500, SH - 800);
  Command4.move(SW - 8800, SH - 800);
  Command7.move(SW - 10400, SH - 800);
  Label6.move(SW - 1800, SH - 4300);
  Label5.move(SW - 1200, SH - 3700);
  // Below Label2's second line, where that reaches further down than Label1's own place.
  Label1.move(SW - 3800, std::max(SH - 3700, SH - 4300 + Label2.height()));
  Label2.move(SW - 3800, SH - 4300);
  Label3.move(SW - 3600, SH - 5300);
  Label4.move(SW - 2300, SH - 5300);
  HScroll1.move(SW - 3800, SH - 5900);
  HScroll2.move(SW - 2300, SH - 5900);
  Picture1.move(100, 100);
  if (H - 1500 > 0) Picture1.setHeight(H - 1500);
  if (W - 4700 > 0) Picture1.setWidth(W - 4700);
}

void Form1::Form_Click() {
  End();
}

// "Ускорение": half a unit shorter a pause, down to 0.5.
void Form1::Command3_Click() {
  SpeedFactor -= 0.5f;
  if (SpeedFactor <= 0.5f) {
    SpeedFactor = 0.5f;
    Command3.setEnabled(false);
  } else {
    Command4.setEnabled(true);
  }
  M = SpeedFactor;
  WriteLabel(Label3, QStringLiteral("m=") + Str(SpeedFactor));
}

// "Замедление": a unit longer a pause, up to 10.
void Form1::Command4_Click() {
  if (!Command3.enabled()) Command3.setEnabled(true);
  SpeedFactor += 1;
  if (SpeedFactor >= 10) {
    SpeedFactor = 10;
    Command4.setEnabled(false);
  } else {
    Command3.setEnabled(true);
  }
  M = SpeedFactor;
  WriteLabel(Label3, QStringLiteral("m=") + Str(SpeedFactor));
}

void Form1::Command7_Click() {
  Picture1.cls();
}

void Form1::Command8_Click() {
  form2.show();
  form2.Text1.setText(QString());
  form2.ClearOptions();
  form2.HideQuestions();
}

// A heavier weight slows the pace by a unit per step of the bar, up to 16 units. M may hold
// the pace that a speed button left in it, so the step can come out larger and the pace small;
// it never goes below its smallest positive step.
void Form1::HScroll1_Change() {
  PrevM = M;
  M = HScroll1.value();
  DeltaM = PrevM - M;
  WriteLabel(Label3, QStringLiteral("m=") + Str(M / 10));
  SpeedFactor = float(SpeedFactor - DeltaM);
  if (SpeedFactor >= 16) SpeedFactor = 16;
  if (SpeedFactor < kFastestPace) SpeedFactor = kFastestPace;
  WriteLabel(Label7, Str(SpeedFactor));
}

// A stiffer spring quickens the pace by a unit per step of the bar, down to 1 unit.
void Form1::HScroll2_Change() {
  PrevK = K;
  K = HScroll2.value();
  DeltaK = PrevK - K;
  WriteLabel(Label4, QStringLiteral("k=") + Str(K / 50));
  SpeedFactor = float(SpeedFactor + DeltaK);
  if (SpeedFactor <= 1) SpeedFactor = 1;
  WriteLabel(Label7, Str(SpeedFactor));
}
