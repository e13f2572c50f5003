// SPDX-License-Identifier: GPL-3.0-or-later
#include "watchform.h"

#include <cmath>

#include "ui/values.h"

using ui::At;

namespace watch {
namespace {

const char* const kSeconds = QT_TRANSLATE_NOOP("WatchForm", " сек");
const char* const kMinutes = QT_TRANSLATE_NOOP("WatchForm", " мин");
const char* const kHours = QT_TRANSLATE_NOOP("WatchForm", " час");
const QString kZero = QStringLiteral("00");

constexpr double kDialRadius = 2000;  // picture units
constexpr double kHandLength = 1900;  // picture units
constexpr int kTicks = 121;           // 3 degrees apart, twelve o'clock at both ends

ui::FontSpec timesNewRoman(double size) {
  ui::FontSpec f;
  f.name = QStringLiteral("Times New Roman");
  f.size = size;
  return f;
}

}  // namespace

WatchForm::WatchForm(const WatchDesign& design)
    : ui::Form(design.caption, design.clientWidth, design.clientHeight),
      design_(design),
      Pic1{this, "Pic1", design_.picture},
      Text3{&Pic1, "Text3", "Text3", design_.text3},
      Text2{&Pic1, "Text2", "Text2", design_.text2},
      Text1{&Pic1, "Text1", "Text1", design_.text1},
      Command1{buttonHolder(), "Command1", tr("Пуск"), design_.command1},
      Command2{buttonHolder(), "Command2", tr("Сброс"), design_.command2},
      Command3{buttonHolder(), "Command3", tr("Стоп"), design_.command3},
      Timer1{this, "Timer1", 1} {
  Pic1.setBackColor(ui::kSysCaptionText);
  Pic1.setFont(timesNewRoman(design_.pictureFontSize));
  for (ui::TextBox* t : {&Text1, &Text2, &Text3})
    t->setFont(timesNewRoman(24));
  Text1.setAccessibleName(tr("Секунды"));
  Text2.setAccessibleName(tr("Минуты"));
  Text3.setAccessibleName(tr("Часы"));
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Timer1.onTimer = [this] { Timer1_Timer(); };
}

ui::Container* WatchForm::buttonHolder() {
  if (design_.buttonsInPicture) return &Pic1;
  return this;
}

void WatchForm::setDialScale() {
  const double sw = clientWidth(), sh = clientHeight();
  Pic1.scale(-sw, sh / 2, sw / 2, -sh / 2);
}

void WatchForm::Form_Load() {
  ui::Randomize();
  for (ui::TextBox* t : {&Text1, &Text2, &Text3})
    t->setFontSize(48);
  MinuteDone = HourDone = false;
  Running = true;
  SecText = MinText = HourText = kZero;
  TickNo = -1;
  HandAngle = TickAngle = PiValue / 2;
  Frozen = false;
  setDialScale();
}

void WatchForm::Timer1_Timer() {
  // The elapsed time as a time of day; across midnight the time of day falls back to 0 and the
  // difference is taken a day later, so the count runs on.
  double elapsed = ui::TimeOfDay() - double(StartTime);
  if (elapsed < 0) elapsed += 1;
  // Most ticks fall within the same whole second: the text is written once per second.
  const qint64 second = std::llround(elapsed * 86400);
  if (second != textSecond_) {
    textSecond_ = second;
    secondsText_ = ui::TimeText(elapsed).right(2);
    secondsValue_ = ui::Val(secondsText_);
  }
  SecText = secondsText_;
  const double seconds = secondsValue_;
  PrevSec = seconds - PrevSec;
  if (dialSwitchedOn()) {
    if (PrevSec == 1 && !Frozen) secondStep(seconds);
    PrevSec = seconds;
    if (SecText == QLatin1String("59") && !MinuteDone) minuteStep();
  }
  if (SecText == QLatin1String("01") && MinuteDone) MinuteDone = false;
  hourStep();
  if (Running) showTexts();
}

void WatchForm::secondStep(double seconds) {
  SecStep = -PiValue / 30;
  DrawDial();
  secondBeep();
  Radius = kHandLength;
  HandAngle = PiValue / 2 + SecStep * seconds;
  pointHand(8);
}

void WatchForm::minuteStep() {
  MinCount += 1;
  MinText = ui::Str(MinCount);
  MinuteDone = true;
  // A stopped watch keeps counting behind its display, but its hand stands still.
  if (Frozen) return;
  DrawDial();
  Radius = kHandLength;
  HandAngle = PiValue / 2;
  pointHand(10);
}

void WatchForm::hourStep() {
  // The minute count never wraps; its minute within the hour is what the hours follow.
  const int minuteOfHour = int(std::fmod(ui::Val(MinText), 60.0));
  if (minuteOfHour == 59 && !HourDone) {
    HourCount += 1;
    HourText = ui::Str(HourCount);
    HourDone = true;
  }
  if (minuteOfHour == 1 && HourDone) HourDone = false;
}

void WatchForm::pointHand(double tailDivisor) {
  HandX = Radius * std::cos(HandAngle);
  HandY = Radius * std::sin(HandAngle);
  drawHand(tailDivisor);
}

void WatchForm::showTexts() {
  showText(Text1, SecText, tr(kSeconds));
  showText(Text2, MinText, tr(kMinutes));
  showText(Text3, HourText, tr(kHours));
}

void WatchForm::showText(ui::TextBox& box, const QString& value, const QString& unit) {
  // Compared in place, so that a tick which changes nothing builds no text either.
  const QString shown = box.text();
  if (shown.size() == value.size() + unit.size() && shown.startsWith(value) && shown.endsWith(unit))
    return;
  box.setText(value + unit);
}

void WatchForm::DrawDial() {
  dialStarting();
  Pic1.cls();
  Radius = kDialRadius;
  Pic1.pset(At(0, 0));
  if (design_.dialRim) Pic1.circle(At(0, 0), Radius, dialColor(), 2 * PiValue, 0, 1.5);
  TickNo = -1;
  for (int i = 0; i < kTicks; ++i) {
    TickAngle = PiValue / 2 - i * (PiValue / 60);
    TickNo = TickNo + 1;
    const double x = Radius * std::cos(TickAngle), y = Radius * std::sin(TickAngle);
    Pic1.pset(At(x, y), ui::kRed);
    if (TickNo % 10 == 0) {
      Pic1.circle(At(x, y), 50, dialColor());
      drawLabel(x, y, TickNo / 10);
    }
  }
}

void WatchForm::drawLabel(double x, double y, int label) {
  const double q = design_.labelDivisors[size_t(label)];
  if (q != 0) {
    LabelDX = Radius / q * std::cos(TickAngle);
    LabelDY = Radius / q * std::sin(TickAngle);
  }
  if (design_.labelAnchoredAtTick) {
    Pic1.pset(At(x, y));
    Pic1.pset(At(x + LabelDX, y + LabelDY), ui::kSysCaptionText);
  } else {
    Pic1.pset(At(x + LabelDX, y + LabelDY));
  }
  Pic1.print(label);
}

void WatchForm::Command1_Click() {
  if (!Started) {
    StartTime = float(ui::TimeOfDay());
    Started = true;
  }
  Running = true;
  Frozen = false;
}

void WatchForm::Command3_Click() {
  Running = false;
  Started = true;
  Frozen = true;
}

void WatchForm::Command2_Click() {
  Running = false;
  for (ui::TextBox* t : {&Text1, &Text2, &Text3})
    t->setText(kZero);
  SecText = MinText = HourText = kZero;
  Frozen = true;
  Started = false;
  HandAngle = PiValue / 2;
  Pic1.cls();
  DrawDial();
  Radius = kHandLength;
  HandX = Radius * std::cos(HandAngle);
  HandY = Radius * std::sin(HandAngle);
  Pic1.pset(At(0, 0));
  Pic1.line(At(0, 0), At(HandX, HandY), ui::kBlack);
}

void WatchForm::Form_Resize() {
  const double sw = clientWidth(), sh = clientHeight();
  if (sw <= 800 || sh <= 750) return;
  Pic1.setWidth(sw);
  Pic1.setHeight(sh);
  setDialScale();
  Pic1.cls();
  placeButtons();
  const bool normal = windowState() == ui::WindowState::Normal;
  TextHeight = !normal || sw <= 6000 || sh <= 3500 ? 600 : 1000;
  placeTexts();
  const bool maximized = windowState() == ui::WindowState::Maximized;
  if (maximized) {
    TextHeight = 1000;
    placeTexts();
  }
  for (ui::TextBox* t : {&Text1, &Text2, &Text3})
    t->setFontSize(maximized ? 90 : 48);
}

void WatchForm::placeButtons() {
  const double sw = clientWidth(), sh = clientHeight();
  // The container's right and bottom edges in its own units; a tenth of the window's height
  // above the bottom, whichever way its y axis runs.
  double right = sw, bottom = sh, up = -sh / 10;
  if (design_.buttonsInPicture) {
    right = Pic1.scaleLeft() + Pic1.scaleWidth();
    bottom = Pic1.scaleTop() + Pic1.scaleHeight();
    up = sh / 10;
  }
  ui::CommandButton* buttons[] = {&Command1, &Command2, &Command3};
  for (size_t i = 0; i < 3; ++i) {
    buttons[i]->setLeft(right - sw / design_.buttonLeftDivisors[i]);
    buttons[i]->setTop(bottom + up);
  }
}

void WatchForm::placeTexts() {
  const double sw = clientWidth();
  for (ui::TextBox* t : {&Text1, &Text2, &Text3}) {
    t->setWidth(sw - sw / design_.textWidthDivisor);
    t->setHeight(TextHeight);
    t->setLeft(-sw + sw / 100);
  }
  const double h = Text1.height();
  ui::TextBox* texts[] = {&Text1, &Text2, &Text3};
  for (size_t i = 0; i < 3; ++i)
    texts[i]->setTop(double(i) * h - h / design_.textTopDivisors[i]);
}

}  // namespace watch
