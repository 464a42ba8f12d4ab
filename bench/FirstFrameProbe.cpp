#include "bench/FirstFrameProbe.h"

#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace morvane::bench {

FirstFrameProbe::FirstFrameProbe(const StartupOptions& options, std::int64_t mainStartedNs,
                                 QWidget& window)
    : options_(options), mainStartedNs_(mainStartedNs), window_(window) {
    qApp->installEventFilter(this);
}

bool FirstFrameProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        ++paintEvents_;
        // Paint events reach the window and its children inside one repaint pass, which ends
        // by flushing the backing store to the window system; a queued call runs after that.
        if (!painted_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            painted_ = true;
            QMetaObject::invokeMethod(
                this, [this] { frameShown(); }, Qt::QueuedConnection);
        }
    } else if (idling_ && event->type() == QEvent::Timer) {
        ++timerEvents_;
    } else if (idling_ && watched != stdinNotifier_.get()) {
        ++otherEvents_;
    }
    return false;
}

void FirstFrameProbe::frameShown() {
    waitForXServer();
    const std::int64_t now = monotonicNs();
    const std::int64_t cpu = processCpuNs();
    std::printf(
        "platform=%s frame_ns_since_spawn=%lld frame_ns_since_main=%lld cpu_ns=%lld "
        "widgets_painted=%d vmhwm_kb=%ld vmrss_kb=%ld",
        qPrintable(QGuiApplication::platformName()),
        options_.spawnedAtNs > 0 ? static_cast<long long>(now - options_.spawnedAtNs) : -1LL,
        static_cast<long long>(now - mainStartedNs_), static_cast<long long>(cpu), paintEvents_,
        procStatusKb("VmHWM"), procStatusKb("VmRSS"));
    for (const auto& [name, at] : marks())
        std::printf(" mark_%s_ns=%lld", name, static_cast<long long>(at - mainStartedNs_));
    std::printf("\n");
    std::fflush(stdout);
    if (!options_.idle) {
        QCoreApplication::exit(0);
        return;
    }
    // The driver measures the idle process from outside, so this process sets no timer of its
    // own; a line on stdin (or its end) says the measurement is over.
    paintEvents_ = 0;
    idling_ = true;
    stdinNotifier_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    connect(stdinNotifier_.get(), &QSocketNotifier::activated, this, [this] { idleOver(); });
}

void FirstFrameProbe::idleOver() {
    idling_ = false;
    stdinNotifier_->setEnabled(false);
    std::printf("idle_timer_events=%d idle_paint_events=%d idle_other_events=%d\n", timerEvents_,
                paintEvents_, otherEvents_);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

}  // namespace morvane::bench
