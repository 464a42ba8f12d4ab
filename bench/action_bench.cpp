// What one player action costs in the game's own window: the click through the real control,
// the game's step, the redraw, and the repaint that follows, each timed on its own.
//
//   morvane_bench_actions [--samples N] [--label TEXT]
//
// For every level and for clickCell, exchangeHands, shuffle and selectLevel it prints the median
// and 90th percentile of three timings, each from the release of the mouse button, when a
// control acts:
//   action           click and redraw; the repaint they ask for is left pending (not timed)
//   + changed        the same, then the pending repaint, as the event loop would run it next
//   + all 68         the same, but every holder is marked for repaint before it runs
// Lines starting "ROW\t" are summary rows for ./bench.sh.
//
// Under callgrind (--collect-atstart=no), the "+ changed" releases are the only instructions
// counted, and each action and level is dumped on its own, named "ACTION at LEVEL, N releases".
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

#include "bench/BenchSupport.h"
#include "core/BoardState.h"
#include "core/Clock.h"
#include "ui/controls/PictureHolder.h"
#include "ui/look/ApplicationLook.h"
#include "ui/window/GameWindow.h"

using namespace morvane;

namespace {

constexpr double kGoalUs = 200.0;

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A left press or release at the control's centre, delivered the way Qt delivers the mouse:
// through QApplication, which also moves the focus as a real click would.
void send(QWidget* control, QEvent::Type type) {
    const QPointF local = QRectF(control->rect()).center();
    const bool press = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, local, control->mapToGlobal(local), Qt::LeftButton,
                      press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

void click(QWidget* control) {
    send(control, QEvent::MouseButtonPress);
    send(control, QEvent::MouseButtonRelease);
}

// Runs what the event loop would run next: the posted update request paints the dirty
// widgets and flushes the backing store to the window system.
void runPending() {
    QCoreApplication::sendPostedEvents();
}

double microsecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

enum class Repaint { Deferred, Changed, AllHolders };

struct Timing {
    double medianUs;
    double p90Us;
    double paintsPerAction;
};

struct Bench {
    GameWindow& window;
    PaintCounter& counter;
    QList<PictureHolder*> holders;
    int samples;

    // Times one click from its release, which is when a control acts; the press before it,
    // with the pressed look it paints, is done, flushed and on the screen first, and the event
    // loop has had its idle turn, as by the time a finger lets go.
    Timing measure(const std::function<QWidget*(int)>& target, Repaint repaint,
                   const std::string& name) {
        std::vector<double> times;
        std::vector<double> paints;
        const int warmUp = samples / 10;
        for (int i = 0; i < warmUp + samples; ++i) {
            QWidget* control = target(i);
            send(control, QEvent::MouseButtonPress);
            runPending();
            // What the event loop does while the button is held, then the X server's own work.
            QCoreApplication::processEvents();
            bench::waitForXServer();
            counter.paints = 0;
            const bool counted = repaint == Repaint::Changed && i >= warmUp;
            const auto start = std::chrono::steady_clock::now();
            if (counted)
                CALLGRIND_TOGGLE_COLLECT;
            release(control, repaint);
            if (counted)
                CALLGRIND_TOGGLE_COLLECT;
            const double us = microsecondsSince(start);
            if (repaint == Repaint::Deferred)
                runPending();
            if (i >= warmUp) {
                times.push_back(us);
                paints.push_back(counter.paints);
            }
        }
        if (repaint == Repaint::Changed) {
            const std::string dump = name + ", " + std::to_string(samples) + " releases";
            CALLGRIND_DUMP_STATS_AT(dump.c_str());
        }
        return {bench::median(times), bench::percentile(times, 0.9), bench::median(paints)};
    }

    void release(QWidget* control, Repaint repaint) {
        send(control, QEvent::MouseButtonRelease);
        if (repaint == Repaint::AllHolders) {
            for (PictureHolder* holder : holders)
                holder->update();
        }
        if (repaint != Repaint::Deferred)
            runPending();
    }
};

const char* levelName(Level level) {
    switch (level) {
        case Level::NumbersOnly:
            return "numbers only";
        case Level::LettersOnly:
            return "letters only";
        case Level::LettersAndNumbers:
            return "letters and numbers";
    }
    return "?";
}

}  // namespace

int main(int argc, char* argv[]) {
    int samples = 400;
    std::string label = "actions";
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--samples")
            samples = std::max(10, std::atoi(argv[i + 1]));
        else if (name == "--label")
            label = argv[i + 1];
    }

    QApplication app(argc, argv);
    applyApplicationLook();
    SystemClock clock;
    GameWindow window(clock, QStringLiteral("/nonexistent/Morvane.html"),
                      QLocale::system().decimalPoint());
    PaintCounter counter;
    app.installEventFilter(&counter);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!window.windowHandle()->isExposed() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    if (!window.windowHandle()->isExposed()) {
        std::fprintf(stderr, "the window was never exposed\n");
        return 1;
    }

    const WindowControls& controls = window.controls();
    Bench bench{window, counter, window.findChildren<PictureHolder*>(), samples};
    std::printf("%s: %d samples per figure after %d warm-up (platform %s, %lld holders)\n",
                label.c_str(), samples, samples / 10, qPrintable(QGuiApplication::platformName()),
                static_cast<long long>(bench.holders.size()));
    std::printf("  %-21s %-14s %17s %17s %17s %8s\n", "level", "action", "action us",
                "+ changed us", "+ all 68 us", "painted");
    std::printf("  %-21s %-14s %17s %17s %17s %8s\n", "", "", "median / p90", "median / p90",
                "median / p90", "widgets");

    struct Action {
        const char* name;
        std::function<QWidget*(int)> control;
        double worstChangedUs = 0;
        double allAtWorstUs = 0;
    };
    Level current = Level::NumbersOnly;
    std::array<Action, 4> actions{{
        {"clickCell",
         [&](int i) -> QWidget* {
             return controls.cellHolders[static_cast<std::size_t>(i) % Cell::kCount];
         }},
        {"exchangeHands", [&](int) -> QWidget* { return controls.exchangeHandsButton; }},
        {"shuffle", [&](int) -> QWidget* { return controls.shuffleButton; }},
        // Every sample changes the level, to the next one and back.
        {"selectLevel",
         [&](int i) -> QWidget* {
             const auto next = static_cast<Level>((static_cast<int>(current) + 1) % 3);
             return controls.optionFor(i % 2 == 0 ? next : current);
         }},
    }};

    for (Level level : kAllLevels) {
        current = level;
        click(controls.optionFor(level));
        runPending();
        for (Action& action : actions) {
            const std::string name = std::string(action.name) + " at " + levelName(level);
            const Timing deferred = bench.measure(action.control, Repaint::Deferred, name);
            const Timing changed = bench.measure(action.control, Repaint::Changed, name);
            const Timing all = bench.measure(action.control, Repaint::AllHolders, name);
            std::printf("  %-21s %-14s %8.1f / %6.1f %8.1f / %6.1f %8.1f / %6.1f %8.0f\n",
                        levelName(level), action.name, deferred.medianUs, deferred.p90Us,
                        changed.medianUs, changed.p90Us, all.medianUs, all.p90Us,
                        changed.paintsPerAction);
            if (changed.medianUs > action.worstChangedUs) {
                action.worstChangedUs = changed.medianUs;
                action.allAtWorstUs = all.medianUs;
            }
        }
    }
    for (const Action& action : actions) {
        std::printf(
            "ROW\t%s: %s + repaint changed (vs all 68), us, worst level\t%.1f\t%.1f\t%.2fx\t"
            "< %.0f us\t%s\n",
            label.c_str(), action.name, action.worstChangedUs, action.allAtWorstUs,
            action.worstChangedUs / action.allAtWorstUs, kGoalUs,
            action.worstChangedUs < kGoalUs ? "yes" : "NO");
    }
    return 0;
}
