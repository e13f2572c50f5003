// SPDX-License-Identifier: GPL-3.0-or-later
// Number conversions, whole-number arithmetic, random numbers and time texts.
#include <QtTest>

#include <cmath>
#include "ui/testkit/testmain.h"

#include "ui/errors.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/values.h"

using namespace ui;

class ValuesTest : public QObject {
  Q_OBJECT

 private slots:
  void strDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("force") << 0.062 << " .062";
    QTest::newRow("three decimals") << 13.313 << " 13.313";
    QTest::newRow("negative fraction") << -0.063 << "-.063";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("whole") << 38.0 << " 38";
    QTest::newRow("half") << 0.5 << " .5";
    QTest::newRow("sum rounds to 15 digits") << 0.1 + 0.2 << " .3";
    QTest::newRow("third") << 1.0 / 3 << " .333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3 << " .666666666666667";
    QTest::newRow("largest plain") << 1e14 << " 100000000000000";
    QTest::newRow("exponent above") << 1e15 << " 1E+15";
    QTest::newRow("long exponent") << 123456789012345678.0 << " 1.23456789012346E+17";
    QTest::newRow("smallest plain") << 0.0001 << " .0001";
    QTest::newRow("exponent below") << 0.00001 << " 1E-05";
    QTest::newRow("negative exponent") << -1.5e-5 << "-1.5E-05";
    QTest::newRow("three digit exponent") << 2e100 << " 2E+100";
  }
  void strDouble() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Str(value), text);
  }

  void strSingle_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("hundred sevenths") << 100.0f / 7.0f << " 14.28571";
    QTest::newRow("pi as typed") << 3.14f << " 3.14";
    QTest::newRow("largest plain") << 9999999.0f << " 9999999";
    QTest::newRow("exponent above") << 1e7f << " 1E+07";
    QTest::newRow("negative") << -0.25f << "-.25";
  }
  void strSingle() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(Str(value), text);
  }

  void strWhole() {
    QCOMPARE(Str(5), QStringLiteral(" 5"));
    QCOMPARE(Str(0), QStringLiteral(" 0"));
    QCOMPARE(Str(-10), QStringLiteral("-10"));
  }

  void plainConversionUsesTheLocaleSeparator() {
    QLocale::setDefault(QLocale::c());
    QCOMPARE(CStr(0.97), QStringLiteral("0.97"));
    QCOMPARE(CStr(-0.5), QStringLiteral("-0.5"));
    QCOMPARE(CStr(2.7), QStringLiteral("2.7"));
    QCOMPARE(CStr(50), QStringLiteral("50"));
    QCOMPARE(CStr(1e15), QStringLiteral("1E+15"));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCOMPARE(CStr(0.97), QStringLiteral("0,97"));
    QCOMPARE(CStr(-0.01), QStringLiteral("-0,01"));
    QCOMPARE(CStr(2.7f), QStringLiteral("2,7"));
    // Str is not localised.
    QCOMPARE(Str(0.97), QStringLiteral(" .97"));
    QLocale::setDefault(QLocale::c());
  }

  void val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("blanks around") << " 3 " << 3.0;
    QTest::newRow("junk after") << "3x" << 3.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("no number") << "x" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("negative fraction") << "-1.5" << -1.5;
    QTest::newRow("no zero before point") << ".5" << 0.5;
    QTest::newRow("blanks inside") << "1 000" << 1000.0;
    QTest::newRow("comma ends") << "1,5" << 1.0;
    QTest::newRow("bare exponent letter") << "1e" << 1.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("second point ends") << "2.5.5" << 2.5;
  }
  void val() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Val(text), value);
  }

  void valOfAHugeNumberIsInfinite() {
    QVERIFY(std::isinf(Val(QStringLiteral("1e400"))));
    QVERIFY(Val(QStringLiteral("-1e400")) < 0);
  }

  void intIsTheFloor() {
    QCOMPARE(Int(2.7), 2.0);
    QCOMPARE(Int(-0.001), -1.0);
    QCOMPARE(Int(-3.0), -3.0);
  }

  void wholeNumberAssignmentRoundsHalvesToEven() {
    QCOMPARE(CInt(2.5), qint16(2));
    QCOMPARE(CInt(3.5), qint16(4));
    QCOMPARE(CInt(-2.5), qint16(-2));
    QCOMPARE(CInt(2.4999), qint16(2));
    QCOMPARE(CInt(-32768.5), qint16(-32768));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, CInt(32767.5));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, CInt(std::nan("")));
    QCOMPARE(CLng(2.5), 2);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, CLng(3e9));
  }

  void sixteenBitArithmeticOverflows() {
    QCOMPARE(mul16(-10, 10), qint16(-100));
    QCOMPARE(mul16(50, 50), qint16(2500));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, mul16(200, 200));
    const Int16 a(32000), b(1000);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, a + b);
    QCOMPARE((a - b).value(), qint16(31000));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, -Int16(-32768));
    try {
      mul16(300, 300);
    } catch (const RuntimeError& e) {
      QVERIFY(e.message().contains(QStringLiteral("Переполнение")));
    }
  }

  void divisionByZeroIsARunTimeError() {
    QCOMPARE(divide(1, 4), 0.25);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, divide(1, 0));
  }

  void colours() {
    QCOMPARE(RGB(255, 0, 0), kRed);
    QCOMPARE(RGB(0, 255, 0), kGreen);
    QCOMPARE(RGB(0, 0, 255), kBlue);
    QCOMPARE(RGB(255, 255, 255), kWhite);
    QCOMPARE(RGB(0, 128, 128), Color(8421376));
  }

  void randomSequenceRepeatsWithoutRandomize() {
    testkit::FakePlatform fake;
    const float first = Rnd();
    // The classic generator's first number.
    QCOMPARE(first, 0.7055475f);
    const float second = Rnd();
    restartRandomSequence();
    QCOMPARE(Rnd(), first);
    QCOMPARE(Rnd(), second);
    for (int i = 0; i < 10000; ++i) {
      const float r = Rnd();
      QVERIFY(r >= 0.0f && r < 1.0f);
    }
  }

  void randomizeSeedsFromTheClock() {
    testkit::FakePlatform fake;
    auto firstAfterRandomizeAt = [&](double seconds) {
      restartRandomSequence();
      fake.setTime(seconds);
      Randomize();
      return Rnd();
    };
    const float a = firstAfterRandomizeAt(1000.25);
    QVERIFY(a != firstAfterRandomizeAt(2000.5));
    QVERIFY(a != 0.7055475f);
    QCOMPARE(firstAfterRandomizeAt(1000.25), a);
  }

  void timerIsSinglePrecisionSecondsSinceMidnight() {
    testkit::FakePlatform fake;
    fake.setTime(3661.123456);
    QCOMPARE(Timer(), float(3661.123456));
    QCOMPARE(TimeOfDay(), 3661.123456 / 86400.0);
  }

  void timeText() {
    QCOMPARE(TimeText(0), QStringLiteral("0:00:00"));
    QCOMPARE(TimeText(1.5 / 24), QStringLiteral("1:30:00"));
    QCOMPARE(TimeText((13 * 3600 + 5 * 60 + 9) / 86400.0), QStringLiteral("13:05:09"));
    QCOMPARE(TimeText(-1 / 86400.0), QStringLiteral("23:59:59"));
    QCOMPARE(TimeText(59.6 / 86400.0), QStringLiteral("0:01:00"));
  }
};

LESSON_TEST(ValuesTest)
#include "tst_values.moc"
