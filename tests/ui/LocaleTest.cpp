// The seconds readout under a German locale, with the separator chosen as the program chooses
// it. ctest runs this with LC_ALL=de_DE.UTF-8; Qt reads the variable itself, so the locale
// need not be installed on the machine.
#include <QAccessible>
#include <QLabel>
#include <QtTest>

#include "app/UserLocale.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/controls/PictureHolder.h"

using namespace morvane;

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyApplicationLook(); }

    void secondsReadoutShowsTheUsersSeparator() {
        QVERIFY2(userDecimalSeparator() == QStringLiteral(","),
                 "run under LC_ALL=de_DE.UTF-8, as ctest does");
        test::FakeClock clock(test::kStartTime);
        GameWindow window(clock, test::kMissingHelpFile, userDecimalSeparator());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        clock.advance(2.5F);
        QTest::mouseClick(window.controls().cellHolders[0], Qt::LeftButton);
        QCOMPARE(window.controls().elapsedReadout->text(), QStringLiteral("2,5"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window.controls().elapsedReadout)
                     ->text(QAccessible::Name),
                 QStringLiteral("Seconds 2,5"));
    }
};

QTEST_MAIN(LocaleTest)
#include "tests/ui/LocaleTest.moc"
