// SPDX-License-Identifier: GPL-3.0-or-later
// The window of the travelling-wave lesson: parameters of the line on scroll bars, three start
// buttons, "Стоп" and the two clearing buttons around one picture. The two-wave lesson uses it
// with its own start buttons and passes.
#pragma once

#include <QCoreApplication>

#include "waveform.h"

namespace wave {

// What a start button shows: its caption, the formula line it writes and the curves it turns on.
struct StartButton {
  QString caption;
  QString formula;  // Label7
  qint16 showI = 0;
  qint16 showU = 0;
  qint16 showSum = 0;
};

// The start buttons of a lesson ("Волна", "График u", "Оба" in the travelling-wave lesson).
struct StartButtons {
  StartButton command2, command3, command4;
};

class WaveWindow : public WaveForm {
  Q_DECLARE_TR_FUNCTIONS(WaveWindow)

 public:
  WaveWindow(const StartButtons& buttons, const WaveRules& rules);

  // Design sizes, twips.
  static constexpr double kDesignWidth = 11175;
  static constexpr double kDesignHeight = 7530;

  ui::CommandButton Command1{
      this, "Command1", WaveWindow::tr("Очистка рисунка"), {9120, 6720, 1815, 735}};
  ui::CommandButton Command2{this, "Command2", "", {9120, 5880, 1815, 615}};
  ui::CommandButton Command3{this, "Command3", "", {9120, 5040, 1815, 615}};
  ui::CommandButton Command4{this, "Command4", "", {9120, 4440, 1815, 495}};
  ui::CommandButton Command5{this, "Command5", WaveWindow::tr("Стоп"), {6000, 6720, 975, 735}};
  ui::CommandButton Command6{
      this, "Command6", WaveWindow::tr("Очистка параметров"), {7080, 6720, 1815, 735}};
  ui::ScrollBar HScroll1{this, "HScroll1", ui::ScrollBar::Horizontal, 1,
                         10,   5,          {8760, 840, 1815, 375}};
  ui::ScrollBar HScroll2{this, "HScroll2", ui::ScrollBar::Horizontal, 1,
                         10,   5,          {8760, 1920, 1815, 375}};
  ui::ScrollBar HScroll3{this, "HScroll3", ui::ScrollBar::Horizontal, 10,
                         100,  50,         {7200, 6240, 1695, 375}};
  ui::ScrollBar VScroll1{this, "VScroll1", ui::ScrollBar::Vertical, 50,
                         1,    1,          {10680, 2280, 375, 1335}};
  ui::PictureBox Picture1{this, "Picture1", {120, 240, 8655, 5775}};
  ui::Label Label1{this, "Label1", "Label1", {3360, 6840, 1215, 375}};
  ui::Label Label2{this, "Label2", "Label2", {9720, 3720, 1335, 375}};
  ui::Label Label3{this, "Label3", "Label3", {1080, 6840, 1215, 375}};
  ui::Label Label4{this, "Label4", "e=", {2880, 6840, 495, 375}};
  ui::Label Label5{this, "Label5", "b- bb=", {8760, 3720, 855, 375}};
  ui::Label Label6{this, "Label6", "U=", {600, 6840, 495, 375}};
  ui::Label Label7{this, "Label7", "", {120, 6120, 6015, 735}};
  ui::Label Label8{this, "Label8", "L=", {9000, 360, 495, 495}};
  ui::Label Label9{this, "Label9", "C=", {9000, 1440, 495, 375}};
  ui::Label Label10{this, "Label10", WaveWindow::tr("Затухание"), {8880, 3360, 1335, 375}};
  ui::Label Label11{this, "Label11", "Label11", {9600, 360, 1095, 495}};
  ui::Label Label12{this, "Label12", "Label12", {9600, 1440, 1095, 495}};
  ui::Label Label13{this, "Label13", " 1", {6840, 6240, 375, 375}};
  ui::Label Label14{this, "Label14", WaveWindow::tr("Шаг="), {6240, 6240, 615, 375}};

  void Form_Load() override;
  void Form_Resize() override;
  void Form_Click() override;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void VScroll1_Change();

 private:
  void start(const StartButton& button);
  void showDamping();

  StartButtons buttons_;
};

}  // namespace wave
