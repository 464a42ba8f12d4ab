// The window under the user's locale and language, set up as the program sets them up. ctest
// runs this three times: in the C locale, which writes the window's first frame as the
// reference, and under German and Arabic (a right-to-left language), whose frames must be that
// reference pixel for pixel: the window's captions, About box and layout are English and left
// to right in every language. The locales come from the build's own folder (LOCPATH), so the
// machine need not have them installed.
//   MORVANE_TEST_DECIMAL_SEPARATOR  the separator the locale's seconds readout shows
//   MORVANE_TEST_REFERENCE_FRAME    the reference picture's file
//   MORVANE_TEST_WRITE_REFERENCE    set in the run that writes it
#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QtTest>

#include "app/UserLocale.h"
#include "tests/ui/GoldenWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowPixels.h"
#include "ui/controls/PictureHolder.h"

using namespace morvane;
namespace golden = morvane::test::golden;

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        useUsersLanguage();
        applyApplicationLook();
    }

    void secondsReadoutShowsTheUsersSeparator() {
        const QString separator = qEnvironmentVariable("MORVANE_TEST_DECIMAL_SEPARATOR");
        QVERIFY2(!separator.isEmpty(), "run by ctest, which names the locale's separator");
        QCOMPARE(userDecimalSeparator(), separator);
        test::FakeClock clock(test::kStartTime);
        GameWindow window(clock, test::kMissingHelpFile, userDecimalSeparator());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        clock.advance(2.5F);
        QTest::mouseClick(window.controls().cellHolders[0], Qt::LeftButton);
        QCOMPARE(window.controls().elapsedReadout->text(), "2" + separator + "5");
        QCOMPARE(QAccessible::queryAccessibleInterface(window.controls().elapsedReadout)
                     ->text(QAccessible::Name),
                 "Seconds 2" + separator + "5");
    }

    // The first frame, with the board in order and no separator shown yet, is the same in
    // every language.
    void windowIsTheSameInEveryLanguage() {
        test::TestGame game;
        QVERIFY(game.showActive());
        QCOMPARE(game.window.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(golden::layoutDifferences(game.window), QStringList());
        const QImage frame = test::grabWindow(game.window);
        const QString wrong = test::boardPaintMismatch(frame, game.window.game().board());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

        const QString reference = qEnvironmentVariable("MORVANE_TEST_REFERENCE_FRAME");
        QVERIFY2(!reference.isEmpty(), "run by ctest, which names the reference frame");
        if (qEnvironmentVariableIsSet("MORVANE_TEST_WRITE_REFERENCE")) {
            QVERIFY(frame.save(reference));
            return;
        }
        const QImage expected(reference);
        QVERIFY2(!expected.isNull(), qPrintable("no reference frame " + reference));
        QCOMPARE(frame.size(), expected.size());
        QVERIFY2(frame == expected.convertToFormat(frame.format()),
                 "the window differs from the one in the C locale");
    }
};

QTEST_MAIN(LocaleTest)
#include "tests/app/LocaleTest.moc"
