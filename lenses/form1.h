// SPDX-License-Identifier: GPL-3.0-or-later
// The main window of the thin-lens lesson: a converging or diverging lens, an object at a
// distance d set by a scroll bar, its image computed from the lens formula and drawn, frame
// after frame, on the optical axis with its scale and focal marks.
#pragma once

#include <QCoreApplication>

#include <QString>
#include <QtGlobal>

#include "form2.h"
#include "ui/controls.h"

// The picture's background in the lens view, and the colour the erase paints with.
constexpr ui::Color kGrey = ui::RGB(128, 128, 128);
// The ticks of 200 and 400 and the F and 2F marks.
constexpr ui::Color kYellow = ui::RGB(255, 255, 0);
// A virtual image.
constexpr ui::Color kLightBlue = ui::RGB(0, 255, 255);

class Form1 : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  // The help window, loaded hidden with this one.
  Form2 form2;

  // -1 while the drawing loop may go on, 0 to stop it.
  qint16 Running = 0;
  // d as drawn (picture units); also sets the length of the pause.
  double ObjectDist = 0;
  // F, picture units.
  int Focal = 0;
  // d as put into the lens formula: d + 1 when d equals F.
  double CalcDist = 0;
  // f, the image distance just computed (picture units).
  double ImageDist = 0;
  // The f of the frame being drawn: ImageDist as it stood when the frame began.
  double ShownDist = 0;
  // H = h·f'/d with f' truncated to tenths (picture units).
  float ImageHeight = 0;
  // Twice the H of the previous computation: the length the erase paints over.
  float EraseHeight = 0;
  // Distance of the image's foot from the axis: -9 for f <= 0, otherwise 9.
  int BaseOffset = 0;
  // 1 for the converging lens, -1 for the diverging one, 0 while neither is chosen.
  int LensSign = 0;
  // Colour of the image and of Text1; the scale loop leaves its tick colour here.
  ui::Color ImageColor = 0;
  // Counter n of the scale's ticks.
  int TickNo = 0;

  void Form_Load() override;
  void Form_Resize() override;
  void Form_Click() override;
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void HScroll1_Change();
  void HScroll2_Change();

  // The image distance and height for the lens chosen and the bars' d and h, with their labels.
  void ComputeImage();

  // Labels come first: created first, they lie beneath the controls they overlap.
  ui::Label Label1{this, "Label1", Form1::tr("Расстояние до предмета d"), {120, 6600, 1575, 735}};
  ui::Label Label2{this, "Label2", "Label2", {1680, 6600, 1095, 495}};
  ui::Label Label3{this, "Label3", Form1::tr("Высота предмета"), {5880, 6600, 1335, 495}};
  ui::Label Label4{this, "Label4", "Label4", {7560, 6600, 975, 495}};
  ui::Label Label5{this, "Label5", "Label5", {1680, 7440, 1215, 495}};
  ui::Label Label6{
      this, "Label6", Form1::tr("Расстояние до изображения f"), {120, 7440, 1575, 615}};
  ui::Label Label7{this, "Label7", Form1::tr("Высота изображения"), {5880, 7200, 1575, 615}};
  ui::Label Label8{this, "Label8", "Label8", {7560, 7200, 1095, 495}};
  ui::Label Label9{this, "Label9", Form1::tr("Характеристика изображения"), {120, 5640, 2295, 735}};
  ui::PictureBox Picture1{this, "Picture1", {120, 120, 14775, 5415}};
  ui::CommandButton Command1{this, "Command1", Form1::tr("Очистка"), {13560, 7560, 1575, 495}};
  ui::CommandButton Command2{this, "Command2", Form1::tr("Справка"), {13560, 6480, 1575, 495}};
  ui::CommandButton Command3{this, "Command3", Form1::tr("Линзы"), {11280, 7560, 1575, 495}};
  ui::OptionButton Option1{this, "Option1", Form1::tr("Собирающая линза"), {2880, 7320, 1815, 255}};
  ui::OptionButton Option2{
      this, "Option2", Form1::tr("Рассеивающая линза"), {2880, 7920, 2175, 255}};
  // d: the left end is 800, the right end 10.
  ui::ScrollBar HScroll1{this, "HScroll1", ui::ScrollBar::Horizontal, 800,
                         10,   800,        {2760, 6600, 2295, 495}};
  // h.
  ui::ScrollBar HScroll2{this, "HScroll2", ui::ScrollBar::Horizontal, 100,
                         500,  100,        {8760, 6600, 2055, 495}};
  // Moves, but nothing reads it.
  ui::ScrollBar HScroll3{this, "HScroll3", ui::ScrollBar::Horizontal, 400,
                         760,  400,        {8760, 7320, 2055, 495}};
  ui::TextBox Text1{this, "Text1", "Text1", {2760, 5640, 6255, 855}, true};

 private:
  void SetUpLook();
  void BindHandlers();
  // The frames of "Линзы": scale, image computed and drawn, its kind named, pause, erase.
  void LensLoop();
  // The lens stroke and the optical axis, then the scale.
  void DrawAxisAndScale();
  // Ticks at every 100 units on both sides with their numbers, and the F and 2F marks.
  void DrawScale();
  // The focal mark `text` at (x, 50), bold and yellow.
  void DrawFocalMark(double x, const QString& text);
  // The object in black, 100 units high, before the first frame.
  void DrawStartObject();
  // The frame with an object `objectHeight` high.
  void DrawLensFrame(int objectHeight);
  // The lens symbol along x = 0: arrow heads outward (converging) or inward (diverging).
  void DrawLensSymbol(ui::Color color);
  // Names the kind of image in Text1, in its colour.
  void ShowImageKind();
  void LensPause();
  // Paints the frame over in the picture's grey, the object twice as high as it was drawn.
  void EraseLensFrame(int objectHeight);
};
