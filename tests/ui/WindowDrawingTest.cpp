// What the window actually paints: pictures pixel for pixel, hand-view margins, lines, readouts.
#include <QBackingStore>
#include <QHash>
#include <QImage>
#include <QMessageBox>
#include <QStyleFactory>
#include <QtTest>
#include <algorithm>

#include "core/BoardState.h"
#include "tests/ui/GoldenWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowPixels.h"
#include "ui/controls/PictureHolder.h"

using namespace morvane;
using morvane::test::boardPaintMismatch;
using morvane::test::countColour;
using morvane::test::grabWindow;
using morvane::test::pictureMismatch;
using morvane::test::TestGame;
using morvane::test::whenModalShown;
namespace golden = morvane::test::golden;

namespace {

QColor mostFrequentColour(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor() : QColor(most.key());
}

// What the window last sent to the screen: the image Qt and the holders paint each frame into.
QImage shownOnScreen(QWidget& window) {
    QPaintDevice* device = window.backingStore()->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image)
        return {};
    QImage shown = static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1.0);
    return shown;
}

// Empty if the screen shows, within `area` of the window, what the window draws afresh;
// otherwise where it does not.
QString screenMismatch(QWidget& window, const QRect& area) {
    const QImage shown = shownOnScreen(window);
    const QImage drawn = grabWindow(window);
    const qreal ratio = window.devicePixelRatio();
    const QRect pixels(area.topLeft() * ratio, area.size() * ratio);
    if (shown.isNull() || !shown.rect().contains(pixels))
        return QStringLiteral("no window image of %1 x %2").arg(drawn.width()).arg(drawn.height());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (shown.pixel(x, y) != drawn.pixel(x, y))
                return QStringLiteral("pixel %1,%2").arg(x).arg(y);
        }
    }
    return {};
}

// The window and its two message boxes as they are drawn.
struct Looks {
    QImage window;
    QImage about;
    QImage helpFailure;
};

QImage boxLook(TestGame& game, const char* name) {
    QImage look;
    whenModalShown([&look](QWidget* box) {
        // Its OK button shows the focus once the box is active, which on Wayland is the
        // compositor's to say.
        const auto* ok = qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok);
        if (QTest::qWaitFor([ok] { return ok->hasFocus(); }))
            look = box->grab().toImage();
        box->close();
    });
    game.window.findChild<QMessageBox*>(QString::fromLatin1(name))->exec();
    return look;
}

Looks looksOf(TestGame& game) {
    return {grabWindow(game.window), boxLook(game, "AboutBox"), boxLook(game, "HelpFailureBox")};
}

}  // namespace

class WindowDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyApplicationLook(); }

    // Every cell shows its glyph over the desktop colour, the hand views the blank over button
    // face, a column and a row of it to spare.
    void firstFrameShowsEveryPicturePixelForPixel() {
        TestGame game;
        QVERIFY(game.showActive());
        const QImage image = grabWindow(game.window);
        const QString wrong = boardPaintMismatch(image, game.window.game().board());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // The sunken edge: grey then black at the top left, white at the bottom right.
        const QRect a = golden::cellRect(Cell::ofHome('A'));
        QCOMPARE(image.pixelColor(a.topLeft()), golden::kEdgeShadow);
        QCOMPARE(image.pixelColor(a.topLeft() + QPoint(1, 1)), golden::kEdgeDarkShadow);
        QCOMPARE(image.pixelColor(a.right(), a.center().y()), golden::kEdgeLight);
    }

    // At a device pixel ratio of 2 the holder doubles and the picture does not.
    void picturesStayUnscaledAtOtherPixelRatios() {
        TestGame game;
        PictureHolder* holder = game.cellFor('A');
        QImage target(holder->size() * 2, QImage::Format_RGB32);
        target.setDevicePixelRatio(2.0);
        holder->render(&target);
        target.setDevicePixelRatio(1.0);
        const int edge = 2 * golden::kSunkenEdge;
        const QString wrong =
            pictureMismatch(target, QPoint(edge, edge), GlyphTile('A'), golden::kDesktop);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        const QPoint lastInside(target.width() - 1 - edge, target.height() - 1 - edge);
        QCOMPARE(target.pixelColor(lastInside), golden::kDesktop);
    }

    // After a click the letter hand's view shows capital A whole and the cell the blank.
    void clickedTileMovesToTheHandsView() {
        TestGame game;
        QVERIFY(game.showActive());
        game.click(game.cellFor('A'));
        const BoardState& board = game.window.game().board();
        QCOMPARE(board.tileInHand(Hand::LetterHand), GlyphTile('A'));
        const QString wrong = boardPaintMismatch(grabWindow(game.window), board);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // Only the push button with the focus shows as the default: a black frame round its edge.
    void focusedButtonShowsAsTheDefault() {
        TestGame game;
        QVERIFY(game.showActive());
        const QRect shuffle = golden::rect(golden::kShuffleButton);
        QCOMPARE(grabWindow(game.window).pixelColor(shuffle.topLeft()), golden::kEdgeLight);
        // As Tab moves it there, which also shows the dotted focus frame.
        game.shuffleButton()->setFocus(Qt::TabFocusReason);
        const QImage focused = grabWindow(game.window);
        QCOMPARE(focused.pixelColor(shuffle.topLeft()), golden::kEdgeDarkShadow);
        QCOMPARE(focused.pixelColor(shuffle.bottomRight()), golden::kEdgeDarkShadow);
        QCOMPARE(focused.pixelColor(shuffle.topLeft() + QPoint(1, 1)), golden::kEdgeLight);
        // Inside, the dotted focus frame, each dot the face's opposite.
        const QRect inside = shuffle.adjusted(3, 3, -3, -3);
        QVERIFY(countColour(focused, inside, golden::kFocusDots) > inside.width());
    }

    // Each kind of click reaches the screen whole, in the frames that follow it: every pixel
    // shown is what the window draws afresh, and the About button is shown up behind its box.
    void whatTheScreenShowsIsWhatTheWindowDraws() {
        TestGame game;
        QVERIFY(game.showActive());
        const QRect all = game.window.rect();
        const auto shown = [&game, &all](const char* after) {
            QCoreApplication::processEvents();
            const QString wrong = screenMismatch(game.window, all);
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(after, wrong)));
        };
        shown("showing");
        game.click(game.cellFor('A'));
        shown("a click on a cell");
        game.click(game.exchangeButton());
        shown("< | >");
        game.key(Qt::Key_Space);
        shown("Space on < | >");
        for (Level level : kAllLevels) {
            game.click(game.levelOption(level));
            shown("a level");
            game.click(game.shuffleButton());
            shown("Shuffle");
        }
        // Let go away from the button, with no move out of it first: no click, and the button
        // is up again.
        QTest::mousePress(game.window.windowHandle(), Qt::LeftButton, {},
                          game.centreOf(game.shuffleButton()));
        QTest::mouseRelease(game.shuffleButton(), Qt::LeftButton, {}, QPoint(-5, -5));
        shown("a press let go elsewhere");
        QString behindTheBox = QStringLiteral("no box");
        whenModalShown([&game, &behindTheBox](QWidget* box) {
            behindTheBox = screenMismatch(game.window, golden::rect(golden::kAboutButton));
            QTest::keyClick(box, Qt::Key_Escape);
        });
        game.click(game.aboutButton());
        QVERIFY2(behindTheBox.isEmpty(), qPrintable(behindTheBox));
        shown("About");
    }

    void hiddenHoldersAreNeverDrawn() {
        TestGame game;
        QVERIFY(game.showActive());
        const QImage image = grabWindow(game.window);
        const Rgb blue = TileArtwork::instance().imageOf(BlankTile).pixel(0, 0);
        // The two over the Shuffle button; the two hand stores beside the views, less the column
        // each shares with its view.
        const QRect overShuffle = golden::rect(golden::kHiddenOverShuffle[0])
                                      .united(golden::rect(golden::kHiddenOverShuffle[1]))
                                      .united(golden::rect(golden::kShuffleButton));
        QCOMPARE(countColour(image, overShuffle, QColor(blue.red, blue.green, blue.blue)), 0);
        for (const QRect& store : {golden::rect(golden::kLetterHandStore).adjusted(0, 0, -1, 0),
                                   golden::rect(golden::kNumberHandStore).adjusted(1, 0, 0, 0)}) {
            QCOMPARE(countColour(image, store, golden::kDesktop), store.width() * store.height());
        }
    }

    // One pixel wide in highlight text on the desktop, under the two views and "< | >".
    void linesJoinTheHandViewsUnderTheButton() {
        TestGame game;
        QVERIFY(game.showActive());
        const QImage image = grabWindow(game.window);
        const QRect button = golden::rect(golden::kExchangeButton);
        // Past the letter hand view's edge, and short of the number hand view.
        const QRect line1 = golden::rect(golden::kHandLines[0]).adjusted(1, 0, 0, 0);
        const QRect line2 = golden::rect(golden::kHandLines[1]);
        const QRect line3 = golden::rect(golden::kHandLines[2]).adjusted(0, 0, -1, 0);
        for (const QRect& shown :
             {line1, line3, line2.adjusted(0, 0, 0, button.top() - line2.bottom() - 1),
              line2.adjusted(0, button.bottom() + 1 - line2.top(), 0, 0)}) {
            QCOMPARE(countColour(image, shown, golden::kHighlightText),
                     shown.width() * shown.height());
        }
        // Covered by the button, the line leaves no trace on it.
        const int middle = button.center().y();
        QVERIFY(image.pixelColor(line2.left(), middle) != golden::kHighlightText);
        QCOMPARE(image.pixelColor(line2.left() + 1, middle),
                 image.pixelColor(line2.left() + 2, middle));
        // The view's own white edge over the first pixel of the first line.
        QCOMPARE(image.pixelColor(golden::rect(golden::kHandLines[0]).topLeft()),
                 golden::kEdgeLight);
        const int y = line2.top() + 8;
        QCOMPARE(image.pixelColor(line2.left() - 1, y), golden::kDesktop);
        QCOMPARE(image.pixelColor(line2.left() + 1, y), golden::kDesktop);
    }

    // What a desktop sets for every program while the game runs (KDE its style, colours and
    // font; qt6ct a style sheet) changes no pixel of the window or its boxes; nor does a style
    // sheet or a right-to-left direction the program was started with (-stylesheet, -reverse).
    void desktopChangesLeaveTheLookAlone() {
        TestGame game;
        QVERIFY(game.showActive());
        const Looks before = looksOf(game);
        const auto inTheSameLook = [&before](TestGame& other) {
            const Looks now = looksOf(other);
            QCOMPARE(now.window, before.window);
            QCOMPARE(now.about, before.about);
            QCOMPARE(now.helpFailure, before.helpFailure);
        };
        const QString sheet = QStringLiteral("QToolTip { color: black; } QWidget { color: red; }");
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QPalette(QColor(40, 40, 40), QColor(30, 30, 30)));
        // As a desktop writes its font, every attribute given, and some a desktop could add.
        QFont desktopFont;
        QVERIFY(desktopFont.fromString(QStringLiteral("DejaVu Sans,16,-1,5,700,1,1,1,1,0")));
        desktopFont.setCapitalization(QFont::AllUppercase);
        desktopFont.setLetterSpacing(QFont::PercentageSpacing, 150);
        desktopFont.setStretch(QFont::Expanded);
        QApplication::setFont(desktopFont);
        qApp->setStyleSheet(sheet);
        QApplication::setLayoutDirection(Qt::RightToLeft);
        inTheSameLook(game);

        qApp->setStyleSheet(sheet);
        applyApplicationLook();
        TestGame started;
        QVERIFY(started.showActive());
        inTheSameLook(started);
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    // The classic colours hold whatever the desktop's theme: flat button-face buttons and frame,
    // and readouts whose unsmoothed digits are pure cyan on black.
    void classicColoursHoldUnderADarkTheme() {
        const QPalette previous = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(40, 40, 40), QColor(30, 30, 30)));
        TestGame game;
        QApplication::setPalette(previous);
        QVERIFY(game.showActive());
        game.clock.advance(12.5F);
        game.click(game.cellFor('A'));
        const QImage image = grabWindow(game.window);
        for (const QRect& readout : {golden::rect(golden::kSecondsReadout),
                                     golden::innerRect(golden::rect(golden::kCountReadout))}) {
            const int ink = countColour(image, readout, golden::kReadoutInk);
            QVERIFY(ink > 5);
            QCOMPARE(countColour(image, readout, golden::kWindowText) + ink,
                     readout.width() * readout.height());
        }
        // Three pixels in from their edges.
        for (const char* control :
             {golden::kShuffleButton, golden::kAboutButton, golden::kLevelFrame}) {
            const QRect inside = golden::rect(control).adjusted(3, 3, -3, -3);
            QCOMPARE(mostFrequentColour(image, inside), golden::kButtonFace);
        }
        // In the frame, with its options and buttons, nothing but the four classic greys:
        // no gradient, no smoothed text or option indicator.
        const QRect frame = golden::rect(golden::kLevelFrame);
        QCOMPARE(countColour(image, frame, golden::kButtonFace) +
                     countColour(image, frame, golden::kEdgeDarkShadow) +
                     countColour(image, frame, golden::kEdgeLight) +
                     countColour(image, frame, golden::kEdgeShadow),
                 frame.width() * frame.height());
        // The letters' heading stays a button-face panel, filled to its corners.
        const QRect letters = golden::rect(golden::kLettersHeading);
        QCOMPARE(image.pixelColor(letters.topLeft() + QPoint(4, 4)), golden::kButtonFace);
        QCOMPARE(image.pixelColor(letters.bottomRight()), golden::kButtonFace);
    }
};

QTEST_MAIN(WindowDrawingTest)
#include "tests/ui/WindowDrawingTest.moc"
