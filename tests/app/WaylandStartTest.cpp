// The program's own start-up, run by a Wayland session's environment alone: once its first
// frame is painted the window must be a Wayland window with the fixed client area, and clicks
// through the window must reach the board. A Wayland client cannot send input to another
// program, so this runs the program's code in this process and clicks from inside.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <utility>

#include "app/GameProgram.h"
#include "core/BoardState.h"
#include "tests/support/BoardChecks.h"
#include "tests/ui/GoldenWindow.h"
#include "ui/controls/PictureHolder.h"
#include "ui/window/GameWindow.h"

using namespace morvane;

namespace {

int failures = 0;

void expect(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

// Calls `then` once, after the first paint of `window` has been handed to the window system.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then)
        : QObject(&window), window_(window), then_(std::move(then)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            qApp->removeEventFilter(this);
            // The repaint pass ends by flushing to the compositor; a queued call runs after it.
            QMetaObject::invokeMethod(this, then_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
};

void clickCell(GameWindow& window, char home) {
    const QWidget* holder = window.controls().holderFor(test::cellOf(home));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      holder->mapTo(&window, holder->rect().center()));
}

void checkStartedWindow(GameWindow& window) {
    expect(QGuiApplication::platformName() == QLatin1String("wayland"),
           "the platform is not wayland");
    expect(window.windowHandle()->isExposed(), "the window is not exposed");
    expect(window.size() == test::golden::kWindowSize, "the window is not at its fixed size");
    expect(window.windowHandle()->size() == test::golden::kWindowSize,
           "the client area is not at the window's fixed size");

    const BoardState& board = window.game().board();
    const QLineEdit* count = window.controls().countReadout;
    clickCell(window, 'A');
    expect(board.tileInHand(Hand::LetterHand) == GlyphTile('A'), "A is not in the letter hand");
    expect(board.tileAt(Cell::ofHome('A')) == BlankTile, "A's cell is not blank");
    expect(count->text() == QStringLiteral("2"), "the count is not 2 after one click");
    clickCell(window, 'B');
    expect(board.tileInHand(Hand::LetterHand) == GlyphTile('B'), "B is not in the letter hand");
    expect(board.tileAt(Cell::ofHome('B')) == GlyphTile('A'), "A is not in B's place");
    expect(count->text() == QStringLiteral("3"), "the count is not 3 after two clicks");
}

}  // namespace

int main(int argc, char* argv[]) {
    StartupObserver observer;
    observer.beforeShow = [](GameWindow& window) {
        new FirstPaint(window, [&window] {
            checkStartedWindow(window);
            if (failures == 0)
                std::printf(
                    "PASS: first frame on Wayland at the fixed size, two clicks through "
                    "the window\n");
            QCoreApplication::exit(failures == 0 ? 0 : 1);
        });
        QTimer::singleShot(20000, [] {
            expect(false, "no frame within 20 s");
            QCoreApplication::exit(1);
        });
    };
    // On Wayland the program's run ends the process itself, with this status.
    return runGame(argc, argv, observer);
}
