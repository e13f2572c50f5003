// SPDX-License-Identifier: GPL-3.0-or-later
// The two tests of the charge lab window: questions shown in Text12, answers typed into an
// input box, the answer code and the share of right answers.
#include "ui/platform.h"
#include "varden.h"

using ui::Str;

namespace {
const QChar kCarriageReturn(13);
}

void Varden::InitLab() {
  for (int n = 1; n <= kQuestionCount; ++n) {
    const QuizQuestion& q = kQuizQuestions[size_t(n - 1)];
    Questions[n] = tr(q.text);
    for (int s = 1; s <= 3; ++s)
      Answers[n][s] = tr(q.options[size_t(s - 1)]);
    CorrectAnswers[n] = QString::fromUtf8(q.right);
  }
  QuestionNo = 1;
  lab_.writeStartTexts();
}

void Varden::Check1_Click() {
  Command1.setEnabled(true);
}

void Varden::Check2_Click() {
  Command1.setEnabled(true);
}

// Test F asks questions 1–7, test E questions 8–14; both count with QuestionNo from 1 to 7.
void Varden::Command1_Click() {
  if (Check1.value() == 1 && QuestionNo <= kQuestionsPerTest) {
    Check2.setValue(0);
    showQuestion(QuestionNo.value());
  }
  if (Check2.value() == 1 && QuestionNo <= kQuestionsPerTest) {
    Check1.setValue(0);
    showQuestion(QuestionNo.value() + kQuestionsPerTest);
  }
  Command1.setEnabled(false);
  Command2.setEnabled(true);
}

void Varden::showQuestion(int n) {
  AnswerList.clear();
  for (int s = 1; s <= 3; ++s)
    AnswerList += Str(s) + QStringLiteral(" ") + Answers[n][s] + kCarriageReturn;
  Text12.setText(Str(n) + QStringLiteral(" ") + Questions[n]);
}

void Varden::Command2_Click() {
  if (Check1.value() == 1 && QuestionNo <= kQuestionsPerTest) askAnswer(QuestionNo.value());
  if (Check2.value() == 1 && QuestionNo <= kQuestionsPerTest)
    askAnswer(QuestionNo.value() + kQuestionsPerTest);
  if (Check2.value() == 1 && QuestionNo > kQuestionsPerTest) scoreTest(kQuestionsPerTest + 1);
  if (Check1.value() == 1 && QuestionNo > kQuestionsPerTest) scoreTest(1);
}

// Asks question n of the question table; the answer is stored under the running QuestionNo.
void Varden::askAnswer(int n) {
  Text12.setText(Str(n) + QStringLiteral(" ") + Questions[n]);
  GivenAnswers[size_t(QuestionNo.value())] =
      ui::InputBox(tr("Выберите ответ (1,2 или 3): ") + Str(n) + QStringLiteral(" ") + AnswerList);
  QuestionNo += 1;
  Command1.setEnabled(true);
  Command2.setEnabled(false);
}

// Compares the seven given answers exactly with the right ones of the questions from
// firstQuestion on; a cancelled input box gave an empty, wrong answer.
void Varden::scoreTest(int firstQuestion) {
  for (int i = 1; i <= kQuestionsPerTest; ++i) {
    if (GivenAnswers[size_t(i)] == CorrectAnswers[size_t(firstQuestion + i - 1)]) {
      AnswerCode += Str(1);
      Score += 1;
    } else {
      AnswerCode += Str(0);
    }
  }
  // The share is worked out in double precision and only stored as a single: 1 of 7 shows
  // as 14.28571, not as the 14.28572 of single-precision steps.
  Score = float(double(Score) / 7 * 100);
  Text12.setText(tr("Запишите код вашего ответа ") + AnswerCode + kCarriageReturn +
                 kCarriageReturn + tr("Качество знаний=") + Str(Score) + QStringLiteral("%"));
  TestCount += 1;
  QuestionNo = 1;
  // Every finished test is kept, however many the pupil takes.
  TestResults << AnswerCode;
  AnswerCode.clear();
  Score = 0;
  Check1.setEnabled(true);
  Check2.setEnabled(true);
}

// Lists every finished test. The list used to count with QuestionNo itself, so a test in
// progress starts again from its first question.
void Varden::Command3_Click() {
  QString list;
  for (int m = 1; m <= TestCount; ++m)
    list += Str(m) + QStringLiteral("-") + TestResults[m - 1] + kCarriageReturn;
  QuestionNo = 1;
  Text12.setText(list);
}
