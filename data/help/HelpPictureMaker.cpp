// Build-time tool: makes the help page's pictures from the game window itself, so they show
// the program as it looks now. Builds the real window with a clock that stands still, plays
// it through its own bindings with clicks, grabs it and marks it up.
//   morvane_help_picture_maker OUTPUT_DIRECTORY
// Writes help-window.png (the window at start-up, its parts numbered) and
// help-take-and-put-back.png (a letter taken into the hand and put back, three steps).
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstdio>

#include "core/BoardState.h"
#include "core/Clock.h"
#include "data/help/PictureAnnotation.h"
#include "ui/controls/PictureHolder.h"
#include "ui/look/ApplicationLook.h"
#include "ui/window/GameWindow.h"
#include "ui/window/WindowControls.h"

using namespace morvane;
using morvane::help::Callout;
using morvane::help::MarkerSide;
using morvane::help::PictureAnnotation;

namespace {

class StillClock final : public Clock {
public:
    float secondsSinceMidnight() override { return 36000.0F; }
};

QRect rectIn(const GameWindow& window, const QWidget* part) {
    return {part->mapTo(&window, QPoint(0, 0)), part->size()};
}

// The smallest rectangle round both parts.
QRect rectIn(const GameWindow& window, const QWidget* part, const QWidget* otherPart) {
    return rectIn(window, part).united(rectIn(window, otherPart));
}

QImage grab(GameWindow& window) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

// The numbers are those of the list under the picture on the help page.
QImage annotatedWindow(GameWindow& window) {
    QImage picture = grab(window);
    const WindowControls& controls = window.controls();
    const std::array callouts{
        Callout{1, rectIn(window, controls.letterHandView), MarkerSide::Left},
        Callout{2, rectIn(window, controls.numberHandView), MarkerSide::Right},
        Callout{3, rectIn(window, controls.exchangeHandsButton), MarkerSide::Right},
        Callout{4, rectIn(window, controls.levelFrame), MarkerSide::Left},
        Callout{5, rectIn(window, controls.shuffleButton), MarkerSide::Right},
        Callout{6, rectIn(window, controls.countCaption, controls.countReadout), MarkerSide::Below},
        Callout{7, rectIn(window, controls.elapsedReadout, controls.elapsedCaption),
                MarkerSide::Left},
    };
    PictureAnnotation::drawCallouts(picture, callouts);
    return picture;
}

// Three steps, one under the other, enlarged: click a letter, the letter hand holds it and
// its place is empty; click the empty place, the letter is back.
QImage takeAndPutBack(GameWindow& window) {
    const WindowControls& controls = window.controls();
    const auto cellRect = [&](char home) {
        return rectIn(window, controls.holderFor(*Cell::findByHome(home)));
    };
    // Q, R and S and the letter hand at the end of their row, without the edge of P; the small
    // letters under them would only be cut in half.
    const QRect crop =
        cellRect('Q').united(rectIn(window, controls.letterHandView)).adjusted(-7, -8, 8, 0);
    const QRect letter = cellRect('S');
    constexpr int kFactor = 2;
    constexpr int kGap = 16;
    const auto click = [&](const QRect& at) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at.center());
    };
    const auto step = [&](const QRect& pointAt) {
        QImage frame = PictureAnnotation::enlarged(grab(window).copy(crop), kFactor);
        // Right of the middle, so that the letter stays in sight.
        if (!pointAt.isNull())
            PictureAnnotation::drawPointer(
                frame, (pointAt.center() + QPoint(6, -2) - crop.topLeft()) * kFactor);
        return frame;
    };

    const auto letterHandHolds = [&](Tile tile) {
        return window.game().board().tileInHand(Hand::LetterHand) == tile;
    };
    const QImage before = step(letter);
    click(letter);
    const bool took = letterHandHolds(GlyphTile('S'));
    const QImage taken = step(letter);
    click(letter);
    const QImage back = step({});
    if (!took || !letterHandHolds(BlankTile)) {
        std::fprintf(stderr,
                     "morvane_help_picture_maker: the clicks did not take S and put it back\n");
        return {};
    }

    constexpr int markerRoom = 40;
    QImage strip(markerRoom + before.width(), 3 * before.height() + 2 * kGap, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    int top = 0;
    for (const QImage* frame : {&before, &taken, &back}) {
        painter.drawImage(markerRoom, top, *frame);
        top += frame->height() + kGap;
    }
    painter.end();
    for (int n = 0; n < 3; ++n)
        PictureAnnotation::drawMarker(
            strip, {markerRoom / 2, before.height() / 2 + n * (before.height() + kGap)}, n + 1);
    return strip;
}

bool save(const QImage& picture, const QDir& directory, const char* name) {
    const QString path = directory.filePath(QString::fromLatin1(name));
    if (picture.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "morvane_help_picture_maker: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    applyApplicationLook();
    StillClock clock;
    GameWindow window(clock, QString(), QStringLiteral("."));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "morvane_help_picture_maker: the window was not shown\n");
        return 1;
    }
    // Both made before either is written, so that a failed run leaves no half-new set.
    const QImage windowPicture = annotatedWindow(window);
    const QImage stepsPicture = takeAndPutBack(window);
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    const bool saved = !stepsPicture.isNull() &&
                       save(windowPicture, directory, "help-window.png") &&
                       save(stepsPicture, directory, "help-take-and-put-back.png");
    return saved ? 0 : 1;
}
