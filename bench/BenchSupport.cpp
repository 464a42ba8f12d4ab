#include "bench/BenchSupport.h"

#include <sys/resource.h>
#include <xcb/xcb.h>

#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string_view>

namespace morvane::bench {

namespace {

std::int64_t read(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

void waitForXServer() {
    // Only xcb draws through the X server; the offscreen platform may still offer the
    // interface, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return;
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

std::int64_t monotonicNs() {
    return read(CLOCK_MONOTONIC);
}

std::int64_t processCpuNs() {
    return read(CLOCK_PROCESS_CPUTIME_ID);
}

long voluntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}

long procStatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ':';
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(prefix))
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    }
    return -1;
}

namespace {

std::vector<std::pair<const char*, std::int64_t>>& markList() {
    static std::vector<std::pair<const char*, std::int64_t>> list;
    return list;
}

}  // namespace

void mark(const char* name) {
    markList().emplace_back(name, monotonicNs());
}

const std::vector<std::pair<const char*, std::int64_t>>& marks() {
    return markList();
}

double median(std::vector<double> values) {
    return percentile(std::move(values), 0.5);
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    // Linear between the two nearest ranks, so the median of an even count is the usual mean.
    const double rank = fraction * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(std::floor(rank));
    const auto high = static_cast<std::size_t>(std::ceil(rank));
    return values[low] + (values[high] - values[low]) * (rank - static_cast<double>(low));
}

StartupOptions StartupOptions::parse(int& argc, char** argv) {
    StartupOptions options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--spawned-at-ns" && i + 1 < argc)
            options.spawnedAtNs = std::strtoll(argv[++i], nullptr, 10);
        else if (name == "--idle")
            options.idle = true;
        else
            argv[kept++] = argv[i];
    }
    argv[kept] = nullptr;
    argc = kept;
    return options;
}

}  // namespace morvane::bench
