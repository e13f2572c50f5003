#include <QtTest>

#include "ui/testkit/fakeplatform.h"
#include "ui/values.h"

class ValuesTest : public QObject {
  Q_OBJECT
 private slots:
  void str() { QCOMPARE(ui::Str(0.062), QStringLiteral(" .062")); }
};

QTEST_MAIN(ValuesTest)
#include "tst_values.moc"
