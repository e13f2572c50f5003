// SPDX-License-Identifier: GPL-3.0-or-later
// The charge lab window: two charges and their distance on scroll bars, the force and field
// strengths as texts and as a picture, help texts on every caption and two seven-question
// tests.
#pragma once

#include <QCoreApplication>

#include <QStringList>
#include <array>

#include "chargelab.h"
#include "questions.h"
#include "ui/controls.h"

class Varden : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(Varden)

 public:
  Varden();

  void Form_Load() override;
  void Form_DblClick() override;

  ui::Label Label2{this, "Label2", Varden::tr("Заряд1=q1"), {360, 240, 1815, 375}};
  ui::TextBox Text1{this, "Text1", "", {240, 720, 2055, 420}};
  ui::ScrollBar HScroll1{this, "HScroll1", ui::ScrollBar::Horizontal, -10,
                         10,   0,          {240, 1320, 2055, 255}};
  ui::Label Label3{this, "Label3", Varden::tr("Заряд2=q2"), {5280, 240, 1935, 375}};
  ui::TextBox Text2{this, "Text2", "", {5160, 720, 2055, 420}};
  ui::ScrollBar HScroll2{this, "HScroll2", ui::ScrollBar::Horizontal, -10,
                         10,   0,          {5160, 1320, 2055, 255}};
  ui::TextBox Text3{this, "Text3", "", {2520, 720, 2415, 435}};
  ui::Label Label1{this, "Label1", Varden::tr("Расстояние"), {2640, 1560, 2175, 255}};
  ui::ScrollBar HScroll3{this, "HScroll3", ui::ScrollBar::Horizontal, 26,
                         50,   38,         {2640, 1320, 2175, 255}};
  ui::OptionButton Option1{this, "Option1", Varden::tr("Силы"), {2880, 120, 255, 315}};
  ui::Label Label4{this, "Label4", Varden::tr("Силы"), {3270, 120, 1395, 345}};
  ui::OptionButton Option2{this, "Option2", Varden::tr("Напряжённости"), {2640, 2040, 255, 375}};
  ui::Label Label7{this, "Label7", Varden::tr("Напряжённости"), {2880, 2040, 2175, 495}};
  ui::Label Label6{this, "Label6", Varden::tr("Модуль E2"), {240, 1680, 1935, 375}};
  ui::TextBox Text6{this, "Text6", "", {120, 2040, 2175, 495}};
  ui::Label Label5{this, "Label5", Varden::tr("Модуль E1"), {5280, 1680, 2055, 375}};
  ui::TextBox Text4{this, "Text4", "", {5160, 2040, 2175, 495}};

  ui::PictureBox Picture1{this, "Picture1", {0, 2640, 7695, 4755}};
  ui::CheckBox Check1{&Picture1, "Check1", Varden::tr("Тест F"), {120, 0, 975, 345}};
  ui::CommandButton Command1{
      &Picture1, "Command1", Varden::tr("Следующий вопрос"), {1320, 0, 1815, 375}};
  ui::CommandButton Command2{
      &Picture1, "Command2", Varden::tr("Ввод ответа"), {3240, 0, 1695, 375}};
  ui::CommandButton Command3{&Picture1, "Command3", Varden::tr("Результаты"), {5040, 0, 1455, 375}};
  ui::CheckBox Check2{&Picture1, "Check2", Varden::tr("Тест E"), {6600, 0, 975, 345}};
  ui::TextBox Text12{&Picture1, "Text12", "", {120, 360, 7455, 2655}, true};
  ui::TextBox Text10{&Picture1, "Text10", "", {1920, 3000, 495, 195}};
  ui::TextBox Text11{&Picture1, "Text11", "", {5760, 3000, 495, 195}};
  ui::TextBox Text7{&Picture1, "Text7", "", {1800, 3480, 495, 195}};
  ui::TextBox Text8{&Picture1, "Text8", "", {5760, 3480, 495, 195}};
  ui::TextBox Text9{&Picture1,
                    "Text9",
                    Varden::tr("Силы - 1 клик. Напряжённость - 2 клика"),
                    {2040, 4410, 3735, 195}};
  // Lies over the lower part of the picture, so it is made after it.
  ui::TextBox Text5{this, "Text5", "", {2880, 6480, 1695, 300}};

  ui::Shape Shape1{this, "Shape1", {240, 240, 2055, 375}};
  ui::Shape Shape2{this, "Shape2", {5160, 240, 2055, 375}};
  ui::LineShape Line1{this, "Line1", 120, 120, 2400, 120};
  ui::LineShape Line2{this, "Line2", 2400, 120, 2400, 1680};
  ui::LineShape Line3{this, "Line3", 2400, 1680, 120, 1680};
  ui::LineShape Line4{this, "Line4", 120, 1680, 120, 120};
  ui::LineShape Line5{this, "Line5", 5040, 120, 7320, 120};
  ui::LineShape Line6{this, "Line6", 7320, 120, 7320, 1680};
  ui::LineShape Line7{this, "Line7", 7320, 1680, 5040, 1680};
  ui::LineShape Line8{this, "Line8", 5040, 1680, 5040, 120};
  ui::LineShape Line9{this, "Line9", 2520, 1200, 4920, 1200};
  ui::LineShape Line10{this, "Line10", 4920, 1200, 4920, 1920};
  ui::LineShape Line11{this, "Line11", 4920, 1920, 2520, 1920};
  ui::LineShape Line12{this, "Line12", 2520, 1920, 2520, 1200};
  ui::LineShape Line13{this, "Line13", 2520, 600, 4920, 600};
  ui::LineShape Line14{this, "Line14", 600, 2040, 1800, 2040, ui::RGB(0, 192, 192)};
  ui::LineShape Line15{this, "Line15", 5640, 2040, 6720, 2040, ui::RGB(0, 0, 255)};

  // The window variables k, F, q1, q2, E1, E2 live in the lab.
  const chargelab::LabVariables& lab() const { return lab_.vars; }

  // The quiz state.
  std::array<QString, kQuestionCount + 1> Questions;               // index 1..14
  std::array<std::array<QString, 4>, kQuestionCount + 1> Answers;  // (1..14, 1..3)
  std::array<QString, kQuestionCount + 1> CorrectAnswers;          // "1", "2" or "3"
  std::array<QString, kQuestionsPerTest + 1> GivenAnswers;         // index 1..7
  ui::Int16 QuestionNo;     // next question of the running test, 1..8
  QString AnswerList;       // the numbered options of the question last asked
  QString AnswerCode;       // marks of the test being scored
  float Score = 0;          // right answers, then the percentage
  ui::Int16 TestCount;      // finished tests
  QStringList TestResults;  // AnswerCode of every finished test, in order

 private:
  void setUpLook();
  void setUpValueControls();
  void setUpPicture();
  void bindHandlers();
  void InitLab();
  void showHelp(const QString& text);

  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void Option1_Click();
  void Option2_Click();
  void Picture1_Click();
  void Picture1_Change();
  void Picture1_DblClick();
  void DrawForces() { lab_.DrawForces(); }
  void DrawFieldStrengths() { lab_.DrawFieldStrengths(); }

  void Check1_Click();
  void Check2_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void showQuestion(int n);
  void askAnswer(int n);
  void scoreTest(int firstQuestion);

  chargelab::ChargeLab lab_;
};
