// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz window: four questions on how the period and the frequency of an oscillation
// depend on the two parameters of the oscillating system, answer checking and a school grade.
#pragma once

#include <QCoreApplication>

#include <array>

#include "quizdesign.h"
#include "ui/controls.h"

class Form2 : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(Form2)

 public:
  explicit Form2(const QuizDesign& design);

  // Clicks on correct options since the last reset.
  int RightAnswers = 0;
  // Clicks on wrong options since the last reset.
  float WrongAnswers = 0;

  void Form_Load() override;
  void Form_Click() override;
  void Command1_Click() { ShowQuestion(1); }
  void Command2_Click() { ShowQuestion(2); }
  void Command3_Click();
  void Command4_Click() { ShowQuestion(3); }
  void Command5_Click() { ShowQuestion(4); }
  void Command6_Click();
  void Command7_Click();
  // The Click of Option1..Option8.
  void Option_Click(int number);

  void HideQuestions();
  // What Проверка and Оценка say before any option was clicked.
  static QString chooseFirst();
  // Every option unselected; no Click is raised.
  void ClearOptions();

 private:
  const QuizDesign design_;

 public:
  ui::TextBox Text1{this, "Text1", "Text1", design_.text1, true};
  ui::Frame Frame1{this, "Frame1", Form2::tr("Вопрос1"), design_.frames[0]};
  ui::OptionButton Option1{&Frame1, "Option1", design_.options[0], design_.optionRects[0]};
  ui::OptionButton Option2{&Frame1, "Option2", design_.options[1], design_.optionRects[1]};
  ui::Frame Frame2{this, "Frame2", Form2::tr("Вопрос2"), design_.frames[1]};
  ui::OptionButton Option3{&Frame2, "Option3", design_.options[2], design_.optionRects[2]};
  ui::OptionButton Option4{&Frame2, "Option4", design_.options[3], design_.optionRects[3]};
  ui::Frame Frame3{this, "Frame3", Form2::tr("Вопрос3"), design_.frames[2]};
  ui::OptionButton Option5{&Frame3, "Option5", design_.options[4], design_.optionRects[4]};
  ui::OptionButton Option6{&Frame3, "Option6", design_.options[5], design_.optionRects[5]};
  ui::Frame Frame4{this, "Frame4", Form2::tr("Вопрос4"), design_.frames[3]};
  ui::OptionButton Option7{&Frame4, "Option7", design_.options[6], design_.optionRects[6]};
  ui::OptionButton Option8{&Frame4, "Option8", design_.options[7], design_.optionRects[7]};
  ui::CommandButton Command6{this, "Command6", Form2::tr("Оценка"), design_.buttons[5]};
  ui::CommandButton Command1{this, "Command1", Form2::tr("Вопрос1"), design_.buttons[0]};
  ui::CommandButton Command2{this, "Command2", Form2::tr("Вопрос2"), design_.buttons[1]};
  ui::CommandButton Command7{this, "Command7", Form2::tr("Очистка"), design_.buttons[6]};
  ui::CommandButton Command3{this, "Command3", Form2::tr("Проверка"), design_.buttons[2]};
  ui::CommandButton Command4{this, "Command4", Form2::tr("Вопрос3"), design_.buttons[3]};
  ui::CommandButton Command5{this, "Command5", Form2::tr("Вопрос4"), design_.buttons[4]};

 private:
  // Question n (1..4) opened: its frame shown and its two options enabled.
  void ShowQuestion(int n);
  // The frame and the two options of question n (1..4).
  ui::Frame& QuestionFrame(int n);
  ui::OptionButton& QuestionOption(int n, int which);
  ui::OptionButton& OptionNumber(int number);
};
