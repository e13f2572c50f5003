#include <QtTest>
#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
class WaveTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ui::setUpApplication(); }
  void load() {
    ui::testkit::FakePlatform fake;
    wave::Form1 w;
    w.show();
    QCOMPARE(w.Label2.caption(), QStringLiteral(" .1- 100"));
  }
};
QTEST_MAIN(WaveTest)
#include "tst_wave.moc"
