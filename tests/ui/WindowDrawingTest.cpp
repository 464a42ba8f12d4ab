// What the window actually paints: pictures pixel for pixel, hand-view margins, lines, readouts.
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QtTest>
#include <algorithm>

#include "assets/TileArtwork.h"
#include "core/BoardState.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/controls/PictureHolder.h"

using namespace morvane;
using morvane::test::TestGame;

namespace {

const QColor kDesktop(0, 128, 128);
const QColor kFace(192, 192, 192);
const QColor kWhite(255, 255, 255);

QImage grabWindow(QWidget& window) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Whether the inner area at `origin` shows `tile`'s picture exactly, with `background` in
// whatever of the 29 x 29 area the picture leaves.
QString innerAreaMismatch(const QImage& image, QPoint origin, Tile tile, const QColor& background) {
    const TileImage& picture = TileArtwork::instance().imageOf(tile);
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 29; ++x) {
            QColor expected = background;
            if (x < picture.width() && y < picture.height()) {
                const Rgb p = picture.pixel(x, y);
                expected = QColor(p.red, p.green, p.blue);
            }
            if (at(image, origin.x() + x, origin.y() + y) != expected) {
                return QStringLiteral("pixel %1,%2 of the inner area at %3,%4")
                    .arg(x)
                    .arg(y)
                    .arg(origin.x())
                    .arg(origin.y());
            }
        }
    }
    return {};
}

QPoint innerOrigin(TestGame& game, const char* holder) {
    return game.control(holder)->mapTo(&game.window, QPoint(2, 2));
}

int countColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += at(image, x, y) == colour ? 1 : 0;
    }
    return n;
}

QColor mostFrequentColour(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor() : QColor(most.key());
}

}  // namespace

class WindowDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyApplicationLook(); }

    void cellsShowTheirPicturesPixelForPixel() {
        TestGame game;
        QVERIFY(game.showActive());
        const QImage image = grabWindow(game.window);
        for (Cell cell : BoardState::cells()) {
            const QString wrong =
                innerAreaMismatch(image, innerOrigin(game, BoardState::holderOf(cell).data()),
                                  GlyphTile(cell.homeCharacter()), kDesktop);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
        // The sunken edge: grey then black at the top left, white at the bottom right.
        QCOMPARE(at(image, 16, 40), QColor(128, 128, 128));
        QCOMPARE(at(image, 17, 41), QColor(0, 0, 0));
        QCOMPARE(at(image, 48, 60), kWhite);
    }

    // At a device pixel ratio of 2 the holder doubles and the picture does not.
    void picturesStayUnscaledAtOtherPixelRatios() {
        TestGame game;
        auto* holder = game.control<PictureHolder>("Picture4");
        QImage target(66, 66, QImage::Format_RGB32);
        target.setDevicePixelRatio(2.0);
        holder->render(&target);
        target.setDevicePixelRatio(1.0);
        const QString wrong = innerAreaMismatch(target, QPoint(4, 4), GlyphTile('A'), kDesktop);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QCOMPARE(at(target, 61, 61), kDesktop);
    }

    void handViewWithTheBlankKeepsOneColumnAndRowOfBackground() {
        TestGame game;
        QVERIFY(game.showActive());
        const QImage image = grabWindow(game.window);
        for (const char* view : {"Picture64", "Picture27"}) {
            const QString wrong =
                innerAreaMismatch(image, innerOrigin(game, view), BlankTile, kFace);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
        // After a click the letter hand's view shows capital A whole and the cell the blank.
        game.click(game.control("Picture4"));
        const QImage after = grabWindow(game.window);
        QString wrong =
            innerAreaMismatch(after, innerOrigin(game, "Picture64"), GlyphTile('A'), kFace);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        wrong = innerAreaMismatch(after, innerOrigin(game, "Picture4"), BlankTile, kDesktop);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // Only the push button with the focus shows as the default: a black frame round its edge.
    void focusedButtonShowsAsTheDefault() {
        TestGame game;
        QVERIFY(game.showActive());
        QCOMPARE(at(grabWindow(game.window), 560, 328), kWhite);  // Shuffle's raised edge
        game.control("Command1")->setFocus();
        const QImage focused = grabWindow(game.window);
        QCOMPARE(at(focused, 560, 328), QColor(0, 0, 0));
        QCOMPARE(at(focused, 640, 384), QColor(0, 0, 0));
        QCOMPARE(at(focused, 561, 329), kWhite);
    }

    void hiddenHoldersAreNeverDrawn() {
        TestGame game;
        QVERIFY(game.showActive());
        const QImage image = grabWindow(game.window);
        const QColor blank(0, 0, 255);
        // Picture45 and Picture46 over the Shuffle button; the two hand stores beside the views.
        QCOMPARE(countColour(image, QRect(560, 312, 81, 73), blank), 0);
        QCOMPARE(countColour(image, QRect(264, 232, 32, 33), kDesktop), 32 * 33);
        QCOMPARE(countColour(image, QRect(433, 136, 32, 33), kDesktop), 32 * 33);
    }

    void linesJoinTheHandViewsUnderTheButton() {
        TestGame game;
        QVERIFY(game.showActive());
        const QImage image = grabWindow(game.window);
        QCOMPARE(countColour(image, QRect(329, 248, 40, 1), kWhite), 40);  // Line1 past the view
        QCOMPARE(countColour(image, QRect(368, 152, 1, 32), kWhite), 32);  // Line2 above ...
        QCOMPARE(countColour(image, QRect(368, 217, 1, 32), kWhite), 32);  // ... and below Command5
        QCOMPARE(countColour(image, QRect(368, 152, 32, 1), kWhite), 32);  // Line3
        QVERIFY(at(image, 368, 200) != kWhite);                            // covered by "< | >"
        QCOMPARE(at(image, 328, 248), QColor(255, 255, 255));  // view's white edge over Line1
        QCOMPARE(at(image, 369, 200), at(image, 370, 200));    // one pixel wide
        QCOMPARE(at(image, 367, 160), kDesktop);
        QCOMPARE(at(image, 369, 160), kDesktop);
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
        game.click(game.control("Picture4"));
        const QImage image = grabWindow(game.window);
        const QColor black(0, 0, 0);
        const QColor cyan(0, 255, 255);
        for (const QRect& readout : {QRect(384, 264, 281, 33), QRect(674, 18, 45, 15)}) {
            const int ink = countColour(image, readout, cyan);
            QVERIFY(ink > 5);
            QCOMPARE(countColour(image, readout, black) + ink, readout.width() * readout.height());
        }
        // Command1, Command2 and Frame1, three pixels in from their edges.
        for (const QRect& control :
             {QRect(563, 331, 75, 51), QRect(563, 395, 75, 19), QRect(387, 307, 275, 123)})
            QCOMPARE(mostFrequentColour(image, control), kFace);
        // In the frame, with its options and buttons, nothing but the four classic greys:
        // no gradient, no smoothed text or option indicator.
        const QRect frame(384, 304, 281, 129);
        QCOMPARE(countColour(image, frame, kFace) + countColour(image, frame, black) +
                     countColour(image, frame, kWhite) +
                     countColour(image, frame, QColor(128, 128, 128)),
                 frame.width() * frame.height());
        QCOMPARE(at(image, 20, 20), kFace);   // Label1 stays a button-face panel
        QCOMPARE(at(image, 5, 5), kDesktop);  // and the window the desktop colour
        // Labels fill their whole rectangle: the corners of "Letters" are button face.
        QCOMPARE(at(image, 16 + 40, 16 + 16), kFace);
    }
};

QTEST_MAIN(WindowDrawingTest)
#include "WindowDrawingTest.moc"
