#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace morvane::bench {

// CLOCK_MONOTONIC in nanoseconds: the one clock shared by a driver and the programs it starts.
std::int64_t monotonicNs();

// CPU time of the whole process (every thread), in nanoseconds.
std::int64_t processCpuNs();

// Voluntary context switches of the whole process so far: each is a sleep that ended in a
// wake-up, so an idle program that is woken shows here even when its CPU time rounds to nothing.
long voluntarySwitches();

// A "VmHWM"-style line of /proc/self/status in kB, or -1 if it is missing.
long procStatusKb(const char* field);

// Notes the time a start-up step ended; the first-frame probe prints every mark as
// mark_<name>_ns, counted from main().
void mark(const char* name);
const std::vector<std::pair<const char*, std::int64_t>>& marks();

// A round trip to the X server, where Qt draws through one: once it returns, the server has
// handled everything sent before, the last frame's image among it.
void waitForXServer();

double median(std::vector<double> values);
double percentile(std::vector<double> values, double fraction);

// What a start-up program was asked to do, from its own options. They are taken out of argv,
// as Qt does with its own, so that what is left is the program's command line.
struct StartupOptions {
    // When the driver spawned this process; 0 when started by hand.
    std::int64_t spawnedAtNs = 0;
    // Stay in the event loop after the first frame until the driver has watched it idle.
    bool idle = false;

    static StartupOptions parse(int& argc, char** argv);
};

}  // namespace morvane::bench
