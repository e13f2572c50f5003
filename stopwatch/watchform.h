// SPDX-License-Identifier: GPL-3.0-or-later
// The window the stopwatch and the clock share: a dial with a seconds hand in Pic1, three text
// boxes for seconds, minutes and hours, the buttons "Пуск", "Стоп", "Сброс" and the timer that
// derives everything from the time of day.
#pragma once

#include <QCoreApplication>

#include <QString>

#include "ui/controls.h"
#include "watchdesign.h"

namespace watch {

class WatchForm : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(WatchForm)

 public:
  explicit WatchForm(const WatchDesign& design);

 private:
  const WatchDesign design_;  // before the controls: they are placed from it

 public:
  ui::PictureBox Pic1;
  ui::TextBox Text3;
  ui::TextBox Text2;
  ui::TextBox Text1;
  ui::CommandButton Command1;
  ui::CommandButton Command2;
  ui::CommandButton Command3;
  ui::TimerControl Timer1;

  bool Running = false;                // the text boxes follow the timer
  bool Started = false;                // a start time has been taken
  bool Frozen = false;                 // the seconds hand is not redrawn
  bool MinuteDone = false;             // the minute count has advanced for this second "59"
  bool HourDone = false;               // the hour count has advanced for this minute "59"
  float StartTime = 0;                 // time of day at the start, fraction of a day
  QString SecText, MinText, HourText;  // shown before " сек", " мин", " час"
  double PrevSec = 0;                  // s; during a tick first the change since the last one
  int MinCount = 0;
  int HourCount = 0;
  // Both dials take pi as 3.14; it is known before any handler can read it, so a reset in the
  // first second already puts the hand at twelve.
  double PiValue = 3.14;
  double HandAngle = 0;         // rad, pi/2 is twelve o'clock
  double HandX = 0, HandY = 0;  // end of the hand, picture units
  double Radius = 0;            // picture units: 2000 for the dial, 1900 for the hand
  double SecStep = 0;           // rad turned per second
  double TickAngle = 0;         // rad
  int TickNo = 0;
  double LabelDX = 0, LabelDY = 0;  // picture units
  double TextHeight = 0;            // picture units

  void Form_Load() override;
  void Form_Resize() override;
  void Timer1_Timer();
  void Command1_Click();
  virtual void Command2_Click();
  void Command3_Click();
  void DrawDial();

 protected:
  // Runs first whenever the dial is drawn.
  virtual void dialStarting() {}
  // Whether the timer may draw on the dial at all.
  virtual bool dialSwitchedOn() const = 0;
  // Called once for every second the hand steps.
  virtual void secondBeep() = 0;
  // Colour of the rim and of the circles at every tenth tick.
  virtual ui::Color dialColor() const = 0;
  // Draws the hand from the centre to (HandX, HandY); `tailDivisor` sets the length of the
  // stub behind the centre as a fraction 1/tailDivisor of the hand.
  virtual void drawHand(double tailDivisor) = 0;

  // The scale that puts the dial's centre two thirds across and halfway down, y upward.
  void setDialScale();
  // The hand at HandAngle, Radius long.
  void pointHand(double tailDivisor);
  // Writes the three texts with their units.
  void showTexts();

 private:
  ui::Container* buttonHolder();
  void secondStep(double seconds);
  void minuteStep();
  void hourStep();
  void showText(ui::TextBox& box, const QString& value, const QString& unit);
  void placeTexts();
  void placeButtons();
  void drawLabel(double x, double y, int label);

  qint64 textSecond_ = -1;  // s, the whole second secondsText_ was made for
  QString secondsText_;
  double secondsValue_ = 0;  // s
};

}  // namespace watch
