#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "bench/BenchSupport.h"

namespace morvane::bench {

// Watches a window from outside: notes when its first frame has been painted and handed to the
// window system and prints the start-up figures on one line. Then it quits, or with --idle-ms
// stays idle until a line arrives on stdin and prints what was delivered meanwhile. The
// window's own code is not touched.
//
// First line: platform, frame_ns_since_spawn, frame_ns_since_main, cpu_ns (all threads, since
// exec), widgets_painted, vmhwm_kb, vmrss_kb and a mark_<step>_ns for every mark().
// Second line, idle only: idle_timer_events, idle_paint_events, idle_other_events.
class FirstFrameProbe : public QObject {
public:
    FirstFrameProbe(const StartupOptions& options, std::int64_t mainStartedNs, QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void frameShown();
    void idleOver();

    StartupOptions options_;
    std::int64_t mainStartedNs_;
    QWidget& window_;
    std::unique_ptr<QSocketNotifier> stdinNotifier_;
    bool painted_ = false;
    bool idling_ = false;
    int paintEvents_ = 0;
    int timerEvents_ = 0;
    int otherEvents_ = 0;
};

}  // namespace morvane::bench
