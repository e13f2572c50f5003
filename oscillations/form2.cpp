// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "ui/values.h"

using namespace ui;

Form2::Form2(const QuizDesign& design)
    : Form(QStringLiteral("Form2"), design.clientWidth, design.clientHeight), design_(design) {
  if (design_.font) setFont(*design_.font);
  Text1.setAccessibleName(tr("Вопрос и ответ"));

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  for (int number = 1; number <= 8; ++number)
    OptionNumber(number).onClick = [this, number] { Option_Click(number); };
}

ui::Frame& Form2::QuestionFrame(int n) {
  const std::array<ui::Frame*, 4> frames{&Frame1, &Frame2, &Frame3, &Frame4};
  return *frames[n - 1];
}

ui::OptionButton& Form2::OptionNumber(int number) {
  const std::array<ui::OptionButton*, 8> options{&Option1, &Option2, &Option3, &Option4,
                                                 &Option5, &Option6, &Option7, &Option8};
  return *options[number - 1];
}

ui::OptionButton& Form2::QuestionOption(int n, int which) {
  return OptionNumber(2 * n - 1 + which);
}

void Form2::HideQuestions() {
  for (int n = 1; n <= 4; ++n)
    QuestionFrame(n).setVisible(false);
}

void Form2::ClearOptions() {
  for (int number = 1; number <= 8; ++number)
    OptionNumber(number).setValue(false);
}

void Form2::Form_Load() {
  HideQuestions();
  ClearOptions();
  if (visible()) {
    RightAnswers = 0;
    WrongAnswers = 0;
  }
}

void Form2::Form_Click() {
  hide();
}

void Form2::ShowQuestion(int n) {
  cls();
  for (int q = 1; q <= 4; ++q) {
    QuestionFrame(q).setVisible(q == n);
    QuestionOption(q, 0).setEnabled(q == n);
    QuestionOption(q, 1).setEnabled(q == n);
  }
  Text1.setForeColor(kBlack);
  Text1.setText(design_.questions[n - 1]);
}

void Form2::Option_Click(int number) {
  const int question = (number + 1) / 2;
  if (design_.correctOptions[question - 1] == number)
    ++RightAnswers;
  else
    WrongAnswers += 1;
}

QString Form2::chooseFirst() {
  return tr("Выберите вопрос и ответ ");
}

// Checks every question whose options are enabled; the last one checked decides the verdict.
void Form2::Command3_Click() {
  Text1.setForeColor(kRed);
  QString verdict = Text1.text();
  for (int q = 1; q <= 4; ++q) {
    if (!QuestionOption(q, 0).enabled() || !QuestionOption(q, 1).enabled()) continue;
    verdict = OptionNumber(design_.correctOptions[q - 1]).value() ? tr("Верно") : tr("Ошибка");
  }
  if (WrongAnswers == 0 && RightAnswers == 0) verdict = chooseFirst();
  Text1.setText(verdict);
}

// The grade follows the number of correct clicks alone; wrong clicks are only reported. With
// no clicks at all the pupil is asked to choose first, and with more than four correct clicks
// no grade is given and the text stays.
void Form2::Command6_Click() {
  int grade = 0;
  if (RightAnswers == 4)
    grade = 5;
  else if (RightAnswers == 3)
    grade = 4;
  else if (RightAnswers == 2)
    grade = 3;
  else if (RightAnswers < 2)
    grade = 2;

  QString text;
  if (WrongAnswers == 0 && RightAnswers == 0)
    text = chooseFirst();
  else if (grade > 0)
    text = tr("Оценка %1, правильных ответов %2 ошибок %3")
               .arg(grade)
               .arg(Str(RightAnswers), Str(WrongAnswers));
  else
    return;
  Text1.setForeColor(kRed);
  Text1.setText(text);
}

void Form2::Command7_Click() {
  WrongAnswers = 0;
  RightAnswers = 0;
  HideQuestions();
  ClearOptions();
}
