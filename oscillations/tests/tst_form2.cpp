#include <QtTest>

#include "form2.h"
#include "oscillationsquiz.h"
#include "tst_oscillations.h"
#include "ui/testkit/fakeplatform.h"

using namespace ui;
using ui::testkit::FakePlatform;

namespace {

const QString kChooseFirst = QStringLiteral("Выберите вопрос и ответ ");

OptionButton& option(Form2& q, int number) {
  OptionButton* options[] = {&q.Option1, &q.Option2, &q.Option3, &q.Option4,
                             &q.Option5, &q.Option6, &q.Option7, &q.Option8};
  return *options[number - 1];
}

// Opens question n (1..4) with its own button.
void openQuestion(Form2& q, int n) {
  CommandButton* buttons[] = {&q.Command1, &q.Command2, &q.Command4, &q.Command5};
  buttons[n - 1]->click();
}

QString gradeText(int grade, int right, int wrong) {
  return QStringLiteral("Оценка %1, правильных ответов ").arg(grade) + Str(right) +
         QStringLiteral(" ошибок ") + Str(float(wrong));
}

}  // namespace

void OscillationsTest::quizStartsWithQuestionsHidden() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  QCOMPARE(q.caption(), QStringLiteral("Form2"));
  QCOMPARE(q.Text1.text(), QStringLiteral("Text1"));
  QVERIFY(q.Text1.multiLine());
  for (Frame* f : {&q.Frame1, &q.Frame2, &q.Frame3, &q.Frame4})
    QVERIFY(!f->visible());
  for (int k = 1; k <= 8; ++k) {
    QVERIFY(option(q, k).enabled());
    QVERIFY(!option(q, k).value());
  }
  QCOMPARE(q.RightAnswers, 0);
  QCOMPARE(q.WrongAnswers, 0.0f);
  QCOMPARE(q.Command3.caption(), QStringLiteral("Проверка"));
  QVERIFY(std::fabs(q.Command7.left()) < 15 && std::fabs(q.Command7.top() - 7440) < 15);
  QVERIFY(std::fabs(q.Option4.top() - 600) < 15);
  QCOMPARE(testkit::controlsWithoutAccessibleName(q), QStringList());
}

void OscillationsTest::questionButtons_data() {
  QTest::addColumn<int>("question");
  QTest::addColumn<QString>("text");
  QTest::newRow("1") << 1
                     << "Исследуйте и выберите ответ: 1 - Как зависит период электромагнитных "
                        "колебаний в контуре от индуктивности катушки?";
  QTest::newRow("2") << 2
                     << "Исследуйте и выберите ответ: 2 - Как зависит период электромагнитных "
                        "колебаний в контуре от ёмкости конденсатора?";
  QTest::newRow("3") << 3
                     << "Исследуйте и выберите ответ: 3 - Как зависит частота электромагнитных "
                        "колебаний в контуре от индуктивности катушки?";
  QTest::newRow("4") << 4
                     << "Исследуйте и выберите ответ: 4 - Как зависит частота электромагнитных "
                        "колебаний в контуре от ёмкости конденсатора?";
}

void OscillationsTest::questionButtons() {
  QFETCH(int, question);
  QFETCH(QString, text);
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  q.Text1.setForeColor(kRed);
  q.Option8.click();
  openQuestion(q, question);
  QCOMPARE(q.Text1.text(), text);
  QCOMPARE(q.Text1.foreColor(), kBlack);
  const Frame* frames[] = {&q.Frame1, &q.Frame2, &q.Frame3, &q.Frame4};
  for (int n = 1; n <= 4; ++n) {
    QCOMPARE(frames[n - 1]->visible(), n == question);
    QCOMPARE(option(q, 2 * n - 1).enabled(), n == question);
    QCOMPARE(option(q, 2 * n).enabled(), n == question);
  }
  // Opening a question leaves the selections alone.
  QVERIFY(q.Option8.value());
}

void OscillationsTest::allFourCorrectGivesFive() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  const int correct[] = {1, 3, 6, 8};
  for (int n = 1; n <= 4; ++n) {
    openQuestion(q, n);
    option(q, correct[n - 1]).click();
  }
  q.Command6.click();
  QCOMPARE(q.Text1.text(), QStringLiteral("Оценка 5, правильных ответов ") + QStringLiteral(" 4") +
                               QStringLiteral(" ошибок ") + QStringLiteral(" 0"));
  QCOMPARE(q.Text1.foreColor(), kRed);
}

void OscillationsTest::clicksAreCountedNotQuestions() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  openQuestion(q, 1);
  for (int k : {1, 2, 1, 2, 1})
    option(q, k).click();
  QCOMPARE(q.RightAnswers, 3);
  QCOMPARE(q.WrongAnswers, 2.0f);
  q.Command6.click();
  QCOMPARE(q.Text1.text(), gradeText(4, 3, 2));
}

void OscillationsTest::grades_data() {
  QTest::addColumn<int>("right");
  QTest::addColumn<int>("wrong");
  QTest::addColumn<QString>("text");
  QTest::newRow("only wrong") << 0 << 3 << gradeText(2, 0, 3);
  QTest::newRow("one right") << 1 << 0 << gradeText(2, 1, 0);
  QTest::newRow("two right") << 2 << 7 << gradeText(3, 2, 7);
  QTest::newRow("three right") << 3 << 0 << gradeText(4, 3, 0);
  QTest::newRow("four right, wrong clicks do not lower it") << 4 << 9 << gradeText(5, 4, 9);
  QTest::newRow("more than four: text kept") << 5 << 1 << "Text1";
}

void OscillationsTest::grades() {
  QFETCH(int, right);
  QFETCH(int, wrong);
  QFETCH(QString, text);
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  // Question 4: Option8 is right, Option7 wrong.
  openQuestion(q, 4);
  q.Text1.setText(QStringLiteral("Text1"));
  for (int i = 0; i < right; ++i)
    q.Option8.click();
  for (int i = 0; i < wrong; ++i)
    q.Option7.click();
  q.Command6.click();
  QCOMPARE(q.Text1.text(), text);
  QCOMPARE(q.Text1.foreColor(), right > 4 ? kBlack : kRed);
}

void OscillationsTest::emptyCountersAskToChoose() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  QStringList shown;
  q.Text1.onChange = [&] { shown << q.Text1.text(); };
  q.Command6.click();
  // Straight to the request: no grade text on the way.
  QCOMPARE(shown, QStringList{kChooseFirst});
  QCOMPARE(q.Text1.foreColor(), kRed);

  openQuestion(q, 2);
  q.Option3.click();
  q.Option4.click();
  q.Command7.click();
  shown.clear();
  q.Command6.click();
  QCOMPARE(shown, QStringList{kChooseFirst});
}

void OscillationsTest::checkRightAfterOpening() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  QStringList shown;
  q.Text1.onChange = [&] { shown << q.Text1.text(); };
  q.Command3.click();
  QCOMPARE(q.Text1.text(), kChooseFirst);
  QCOMPARE(q.Text1.foreColor(), kRed);
  QVERIFY(!shown.contains(QStringLiteral("Ошибка")));
}

void OscillationsTest::checkCurrentQuestion() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  openQuestion(q, 3);
  q.Option5.click();
  q.Command3.click();
  QCOMPARE(q.Text1.text(), QStringLiteral("Ошибка"));
  QCOMPARE(q.Text1.foreColor(), kRed);
  q.Option6.click();
  q.Command3.click();
  QCOMPARE(q.Text1.text(), QStringLiteral("Верно"));
  testkit::saveScreenshot(q, QStringLiteral("oscillations-quiz.png"));
  // Only the open question counts: question 1 answered right does not help question 2.
  openQuestion(q, 1);
  q.Option1.click();
  openQuestion(q, 2);
  q.Command3.click();
  QCOMPARE(q.Text1.text(), QStringLiteral("Ошибка"));
}

void OscillationsTest::resetClearsCountersAndSelection() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  openQuestion(q, 2);
  q.Option3.click();
  q.Option4.click();
  q.Command3.click();
  q.Command7.click();
  QCOMPARE(q.RightAnswers, 0);
  QCOMPARE(q.WrongAnswers, 0.0f);
  QVERIFY(!q.Frame2.visible());
  QVERIFY(!q.Option3.value() && !q.Option4.value());
  // The text and the enabled states stay.
  QCOMPARE(q.Text1.text(), QStringLiteral("Ошибка"));
  QVERIFY(q.Option3.enabled());
  QVERIFY(!q.Option1.enabled());
}

void OscillationsTest::hidingKeepsState() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  openQuestion(q, 4);
  q.Option8.click();
  q.Option7.click();
  q.click();
  QVERIFY(!q.visible());
  q.show();
  QCOMPARE(q.RightAnswers, 1);
  QCOMPARE(q.WrongAnswers, 1.0f);
  QVERIFY(q.Option7.value());
  QVERIFY(q.Frame4.visible());
  QCOMPARE(q.Text1.text().left(30), QStringLiteral("Исследуйте и выберите ответ: 4"));
  QVERIFY(!fake.ended);
}

void OscillationsTest::optionsExcludeOnlyWithinTheirQuestion() {
  FakePlatform fake;
  Form2 q(oscillationsQuiz());
  q.show();
  openQuestion(q, 1);
  q.Option1.click();
  openQuestion(q, 2);
  q.Option4.click();
  q.Option3.click();
  QVERIFY(q.Option1.value());
  QVERIFY(q.Option3.value());
  QVERIFY(!q.Option4.value());
  // A disabled option takes no click.
  q.Option2.click();
  QVERIFY(q.Option1.value());
  QCOMPARE(q.RightAnswers, 2);
  QCOMPARE(q.WrongAnswers, 1.0f);
}

void OscillationsTest::anotherDesignBringsItsOwnAnswersAndFont() {
  FakePlatform fake;
  QuizDesign design = oscillationsQuiz();
  design.correctOptions = {1, 4, 6, 7};
  design.font = FontSpec{QStringLiteral("MS Sans Serif"), 12, true};
  design.clientHeight = 8295;
  design.text1 = {120, 240, 6375, 1095};
  design.questions[1] = QStringLiteral("Вопрос о жёсткости");
  Form2 q(design);
  q.show();
  QVERIFY(std::fabs(q.clientHeight() - 8295) < 15);
  QVERIFY(std::fabs(q.Text1.top() - 240) < 15);
  QVERIFY(q.Command6.font().bold);
  QCOMPARE(q.Option5.font().size, 12.0);
  openQuestion(q, 2);
  QCOMPARE(q.Text1.text(), QStringLiteral("Вопрос о жёсткости"));
  q.Option4.click();
  openQuestion(q, 4);
  q.Option7.click();
  q.Option8.click();
  q.Command6.click();
  QCOMPARE(q.Text1.text(), gradeText(3, 2, 1));
}
