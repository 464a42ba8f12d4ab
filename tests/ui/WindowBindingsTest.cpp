// Each window event through real mouse and key events: what it changes, and that it counts once.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryFile>
#include <QtTest>

#include "core/BoardState.h"
#include "tests/ui/GoldenWindow.h"
#include "tests/ui/HeldKey.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/help/HelpFileLocation.h"
#include "ui/help/HelpLauncher.h"

using namespace morvane;
using morvane::test::cellOf;
using morvane::test::TestGame;
using morvane::test::whenModalShown;
namespace golden = morvane::test::golden;

class WindowBindingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyApplicationLook(); }

    void firstFrameShowsTheStartedGame() {
        TestGame game;
        const auto check = [&] {
            for (Level level : kAllLevels)
                QCOMPARE(game.levelOption(level)->isChecked(), level == Level::NumbersOnly);
            // "1": start-up's own level selection, and no second one from checking its option.
            QCOMPARE(game.countReadout()->text(), QStringLiteral("1"));
            QCOMPARE(game.secondsReadout()->text(), QStringLiteral("0"));
        };
        check();  // before it is shown
        QVERIFY(game.showActive());
        check();
    }

    void cellClickExchangesWithItsHand() {
        TestGame game;
        QVERIFY(game.showActive());
        game.clock.advance(2.5F);
        game.click(game.cellFor('A'));
        const BoardState& board = game.window.game().board();
        QCOMPARE(board.tileInHand(Hand::LetterHand), GlyphTile('A'));
        QCOMPARE(game.countReadout()->text(), QStringLiteral("2"));
        QCOMPARE(game.secondsReadout()->text(), QStringLiteral("2.5"));

        game.click(game.cellFor('0'));  // a digit goes to the number hand
        QCOMPARE(board.tileInHand(Hand::NumberHand), GlyphTile('0'));
        QCOMPARE(game.countText(), QStringLiteral("3"));
    }

    void doubleClickExchangesOnce() {
        TestGame game;
        QVERIFY(game.showActive());
        QTest::mouseDClick(game.window.windowHandle(), Qt::LeftButton, {},
                           game.centreOf(game.cellFor('A')));
        QCOMPARE(game.window.game().board().tileInHand(Hand::LetterHand), GlyphTile('A'));
        QCOMPARE(game.countText(), QStringLiteral("2"));

        // The same with the events sent straight to the holder: press, release, double-click,
        // release.
        QWidget* holder = game.cellFor('B');
        QTest::mouseClick(holder, Qt::LeftButton);
        QTest::mouseDClick(holder, Qt::LeftButton);
        QTest::mouseRelease(holder, Qt::LeftButton);
        QCOMPARE(game.window.game().board().tileInHand(Hand::LetterHand), GlyphTile('B'));
        QCOMPARE(game.countText(), QStringLiteral("3"));
    }

    void pressThatEndsElsewhereIsNoClick() {
        TestGame game;
        QVERIFY(game.showActive());
        QWindow* handle = game.window.windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, {}, game.centreOf(game.cellFor('A')));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(200, 20));
        QCOMPARE(game.countText(), QStringLiteral("1"));
    }

    // Only the primary button clicks a cell, a push button or an option and moves the focus
    // to it.
    void otherMouseButtonsChangeNothing() {
        TestGame game;
        QVERIFY(game.showActive());
        const QImage before = game.window.grab().toImage();
        QWidget* const focus = QApplication::focusWidget();
        QList<QWidget*> controls{game.cellFor('A'), game.letterHandView(), game.exchangeButton(),
                                 game.shuffleButton(), game.aboutButton()};
        for (Level level : kAllLevels)
            controls << game.levelOption(level);
        for (QWidget* control : controls) {
            for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
                QTest::mouseDClick(game.window.windowHandle(), button, {}, game.centreOf(control));
                QCOMPARE(QApplication::focusWidget(), focus);
            }
        }
        QCOMPARE(game.countText(), QStringLiteral("1"));
        QCOMPARE(game.window.grab().toImage(), before);
    }

    void controlsWithoutBindingsDoNothing() {
        TestGame game;
        QVERIFY(game.showActive());
        for (const char* inert :
             {golden::kLetterHandView, golden::kNumberHandView, golden::kLettersHeading,
              golden::kNumbersHeading, golden::kCountCaption, golden::kHelpHint,
              golden::kSecondsReadout, golden::kSecondsCaption, golden::kCountReadout,
              golden::kLevelFrame}) {
            game.click(game.control(inert));
        }
        // A quarter along each line, clear of what lies over its ends; the hidden hand stores
        // beside the two hand views.
        for (const char* line : golden::kHandLines) {
            const QRect r = golden::rect(line);
            game.clickAt(r.topLeft() + QPoint(r.width() / 4, r.height() / 4));
        }
        game.clickAt(golden::rect(golden::kLetterHandStore).center());
        game.clickAt(golden::rect(golden::kNumberHandStore).center());
        QCOMPARE(game.countText(), QStringLiteral("1"));
        const BoardState& board = game.window.game().board();
        QCOMPARE(board.tileInHand(Hand::LetterHand), BlankTile);
        QCOMPARE(board.tileInHand(Hand::NumberHand), BlankTile);
    }

    void handExchangeByMouseAndSpace() {
        TestGame game;
        QVERIFY(game.showActive());
        game.click(game.cellFor('A'));
        game.click(game.exchangeButton());
        const BoardState& board = game.window.game().board();
        QCOMPARE(board.tileInHand(Hand::NumberHand), GlyphTile('A'));
        QCOMPARE(board.tileInHand(Hand::LetterHand), BlankTile);
        game.exchangeButton()->setFocus();
        game.key(Qt::Key_Space);
        QCOMPARE(board.tileInHand(Hand::LetterHand), GlyphTile('A'));
        QCOMPARE(game.countText(), QStringLiteral("4"));
        // Return and Enter press the focused button as Space does, once per stroke.
        game.key(Qt::Key_Return);
        QCOMPARE(board.tileInHand(Hand::NumberHand), GlyphTile('A'));
        game.key(Qt::Key_Enter);
        QCOMPARE(board.tileInHand(Hand::LetterHand), GlyphTile('A'));
        QCOMPARE(game.countText(), QStringLiteral("6"));
        // Holding the key down repeats nothing.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                         true);
        QApplication::sendEvent(game.exchangeButton(), &repeat);
        QCOMPARE(game.countText(), QStringLiteral("6"));
    }

    // However long a key is held and however the desktop repeats it, a push button acts once,
    // as for one stroke: the About box opened by Return stays open, and Space acts on release.
    void heldKeyActsOnce_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        // The About box's own OK button takes Return as well; Shuffle is a button like "< | >".
        for (const char* button : {golden::kExchangeButton, golden::kAboutButton}) {
            for (const auto key : {Qt::Key_Return, Qt::Key_Space}) {
                QTest::addRow("%s %s", golden::caption(button).toLatin1().constData(),
                              key == Qt::Key_Return ? "Return" : "Space")
                    << QString::fromLatin1(button) << int(key);
            }
        }
    }

    void heldKeyActsOnce() {
        QFETCH(QString, button);
        QFETCH(int, key);
        const auto stroke = [&](bool held) {
            TestGame game;
            if (!game.showActive())
                return test::Outcome{};
            game.click(game.cellFor('A'));  // something to move
            game.control(qPrintable(button))->setFocus();
            return test::strokeKey(game, key, held);
        };
        const test::Outcome tap = stroke(false);
        const test::Outcome held = stroke(true);
        QVERIFY(tap.done && held.done);
        QCOMPARE(held.count, tap.count);
        QVERIFY(held.board == tap.board);
        QCOMPARE(held.boxOpen, tap.boxOpen);
    }

    // The hidden holders over its upper corners do not shield the button.
    void shuffleTakesClicksOverItsWholeArea() {
        TestGame game;
        QVERIFY(game.showActive());
        const BoardState& board = game.window.game().board();
        const auto digitsReversed = [&] { return board.tileAt(cellOf('0')) == GlyphTile('9'); };
        const QRect inside = golden::rect(golden::kShuffleButton).adjusted(3, 3, -3, -3);
        game.clickAt(inside.topLeft());
        QVERIFY(digitsReversed());
        game.clickAt(inside.topRight());
        QVERIFY(!digitsReversed());
        game.shuffleButton()->setFocus();
        game.key(Qt::Key_Space);
        QVERIFY(digitsReversed());
        game.key(Qt::Key_Return);
        QVERIFY(!digitsReversed());
        QCOMPARE(board.tileAt(cellOf('A')), GlyphTile('A'));
        QCOMPARE(game.countText(), QStringLiteral("5"));
    }

    void optionsSelectLevelsByMouseAndArrows() {
        TestGame game;
        QVERIFY(game.showActive());
        const auto level = [&] { return game.window.game().controller().currentLevel(); };
        game.click(game.levelOption(Level::LettersOnly));
        QCOMPARE(level(), Level::LettersOnly);
        QVERIFY(game.levelOption(Level::LettersOnly)->isChecked());
        QCOMPARE(game.countText(), QStringLiteral("2"));
        // Selecting the selected option again is an action too.
        game.click(game.levelOption(Level::LettersOnly));
        QCOMPARE(game.countText(), QStringLiteral("3"));

        game.key(Qt::Key_Down);
        QCOMPARE(level(), Level::LettersAndNumbers);
        QVERIFY(game.levelOption(Level::LettersAndNumbers)->isChecked());
        QCOMPARE(game.countText(), QStringLiteral("4"));
        game.key(Qt::Key_Up);
        game.key(Qt::Key_Up);
        QCOMPARE(level(), Level::NumbersOnly);
        QVERIFY(game.levelOption(Level::NumbersOnly)->isChecked());
        QCOMPARE(game.countText(), QStringLiteral("6"));
        // Left and Right move through the stacked options too.
        game.key(Qt::Key_Right);
        QCOMPARE(level(), Level::LettersOnly);
        game.key(Qt::Key_Left);
        QCOMPARE(level(), Level::NumbersOnly);
        QCOMPARE(game.countText(), QStringLiteral("8"));
        // Shuffle follows the selected level.
        game.click(game.levelOption(Level::LettersOnly));
        game.click(game.shuffleButton());
        QCOMPARE(game.window.game().board().tileAt(cellOf('A')), GlyphTile('z'));
    }

    void typedCountIsOverwrittenByTheNextAction() {
        TestGame game;
        QVERIFY(game.showActive());
        QLineEdit* count = game.countReadout();
        game.click(count);
        QTest::keyClicks(count, "999");
        QVERIFY(count->text().contains("999"));
        QCOMPARE(game.window.game().readouts().moveCount(), 1);
        game.click(game.cellFor('a'));
        QCOMPARE(count->text(), QStringLiteral("2"));
    }

    void aboutCountsWhenDismissed_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("OK button") << int(test::Dismissal::OkButton);
        QTest::newRow("Return") << int(test::Dismissal::Return);
        QTest::newRow("Escape") << int(test::Dismissal::Escape);
        QTest::newRow("Space on OK") << int(test::Dismissal::SpaceOnOk);
        QTest::newRow("close button") << int(test::Dismissal::CloseButton);
    }

    void aboutCountsWhenDismissed() {
        QFETCH(int, way);
        TestGame game;
        QVERIFY(game.showActive());
        QString title, text;
        int buttons = 0;
        bool hasIcon = true;
        bool classicLook = false;
        QString okText;
        whenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            // The classic look of every window: no icon, not even on OK, button face, the
            // window's font.
            hasIcon = box->icon() != QMessageBox::NoIcon ||
                      !box->button(QMessageBox::Ok)->icon().isNull();
            // Plain "OK", whatever a desktop theme would call the button ("&OK" on some).
            okText = box->button(QMessageBox::Ok)->text();
            classicLook = box->palette().color(QPalette::Window) == golden::kButtonFace &&
                          box->font() == game.window.font();
            QCOMPARE(game.countText(), QStringLiteral("1"));  // not counted while open
            game.clock.advance(7.5F);  // the seconds are read when the box closes
            test::dismiss(box, static_cast<test::Dismissal>(way));
        });
        game.click(game.aboutButton());
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(title, QStringLiteral("Morvane"));
        QVERIFY(!text.isEmpty() && !text.contains('\n'));
        QCOMPARE(buttons, 1);
        QVERIFY(!hasIcon);
        QCOMPARE(okText, QStringLiteral("OK"));
        QVERIFY(classicLook);
        QCOMPARE(game.countText(), QStringLiteral("2"));
        QCOMPARE(game.secondsReadout()->text(), QStringLiteral("7.5"));
    }

    void helpWithoutItsFileSaysSoAndCountsNothing() {
        TestGame game;
        QVERIFY(game.showActive());
        QString message;
        whenModalShown([&](QWidget* modal) {
            message = qobject_cast<QMessageBox*>(modal)->text();
            QCOMPARE(qobject_cast<QMessageBox*>(modal)->icon(), QMessageBox::NoIcon);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        game.key(Qt::Key_F1);
        QTRY_VERIFY(!message.isEmpty());
        QVERIFY(message.contains(test::kMissingHelpFile));
        QCOMPARE(game.countText(), QStringLiteral("1"));
        QCOMPARE(game.window.help().helpFile(), test::kMissingHelpFile);
    }

    // An opener that fails or is missing tells the player; one that succeeds says nothing.
    void helpThatCannotBeShownSaysSo() {
        QTemporaryFile page;
        QVERIFY(page.open());
        QWidget window;
        for (const char* opener : {"false", "/nonexistent/xdg-open"}) {
            HelpLauncher help(window, page.fileName(), QString::fromLatin1(opener));
            QString message;
            whenModalShown([&](QWidget* modal) {
                message = qobject_cast<QMessageBox*>(modal)->text();
                QTest::keyClick(modal, Qt::Key_Escape);
            });
            help.open();
            QTRY_VERIFY2(!message.isEmpty(), opener);
            QVERIFY(message.contains(page.fileName()));
        }
        HelpLauncher working(window, page.fileName(), QStringLiteral("true"));
        working.open();
        QTest::qWait(300);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // The program finds its page by the path from its own folder: in the build tree, where
    // this test runs, as in the install; the user's language's page where the build made one.
    void helpFileIsFoundFromTheProgramsFolder() {
        const QString here = QCoreApplication::applicationDirPath();
        const QString english = helpFileForProgramIn(here, LocaleVariables{});
        QVERIFY(english.endsWith("/morvane/Morvane.html"));
        QVERIFY(QFileInfo(english).isFile());
        LocaleVariables austrian;
        austrian.lang = "de_AT.UTF-8";
        const QString german = helpFileForProgramIn(here, austrian);
        QVERIFY2(german.endsWith("/morvane/Morvane.de.html"), qPrintable(german));
        QVERIFY(QFileInfo(german).isFile());
        const QString installed =
            helpFileForProgramIn(QStringLiteral("/usr/games"), LocaleVariables{});
        QVERIFY(QDir::isAbsolutePath(installed));
        QCOMPARE(installed, QDir::cleanPath(installed));
        QVERIFY(installed.endsWith("/morvane/Morvane.html"));
    }
};

QTEST_MAIN(WindowBindingsTest)
#include "tests/ui/WindowBindingsTest.moc"
