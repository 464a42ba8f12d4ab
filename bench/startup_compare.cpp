// Starts the game's and the bare window's start-up programs alternately, each in a fresh
// process, and prints the medians side by side. With --idle-ms it instead starts one of each,
// lets them settle after their first frame, and watches from outside (/proc) what idling
// costs them: a process that is woken by nothing uses no CPU at all.
//
//   morvane_bench_startup --game PATH --baseline PATH [--runs N] [--idle-ms MS] [--label TEXT]
//
// Lines starting "ROW\t" are summary rows for ./bench.sh: figure, game, baseline, ratio, goal,
// met.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Fields = std::map<std::string, std::string>;

// After the first frame, the window system still sends a few events (focus, activation);
// they belong to start-up, so idling is counted from this long after it.
constexpr auto kSettle = std::chrono::milliseconds(500);

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double median(std::vector<double> values) {
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

struct Child {
    std::string program;
    pid_t pid = -1;
    int output = -1;
    int input = -1;  // idle runs only
};

// The children's stderr goes to one shared file, shown once at the end so that a warning
// repeated by every run does not bury the figures.
int stderrFile = -1;
std::string stderrPath;

[[noreturn]] void fail(const Child& child, const char* what) {
    std::fprintf(stderr, "%s: %s; its stderr is in %s\n", child.program.c_str(), what,
                 stderrPath.c_str());
    std::exit(2);
}

Child spawn(const std::string& program, bool idle) {
    int out[2];
    int in[2];
    // Close-on-exec, so that no other child holds this one's stdin open and it sees the end.
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(in, O_CLOEXEC) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, stderrFile, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, in[1]);

    // Taken last, so the child's figure starts at the spawn itself.
    const std::string spawnedAt = std::to_string(monotonicNs());
    std::vector<char*> argv{const_cast<char*>(program.c_str()),
                            const_cast<char*>("--spawned-at-ns"),
                            const_cast<char*>(spawnedAt.c_str())};
    if (idle)
        argv.push_back(const_cast<char*>("--idle"));
    argv.push_back(nullptr);
    Child child{program};
    if (posix_spawn(&child.pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        std::perror(program.c_str());
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(in[0]);
    child.output = out[0];
    child.input = in[1];
    return child;
}

Fields parse(const std::string& text) {
    Fields fields;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const auto equals = word.find('=');
        if (equals != std::string::npos)
            fields[word.substr(0, equals)] = word.substr(equals + 1);
    }
    return fields;
}

// One line of the child's output, read byte by byte so nothing after it is consumed.
Fields readLine(const Child& child) {
    std::string text;
    char c = 0;
    while (read(child.output, &c, 1) == 1 && c != '\n')
        text.push_back(c);
    if (text.empty())
        fail(child, "ended without a first frame");
    return parse(text);
}

// Closes the child's stdin, which ends an idle child, and collects the rest of its output.
Fields finish(Child& child) {
    close(child.input);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(child.output, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(child.output);
    int status = 0;
    waitpid(child.pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(child, ("failed with status " + std::to_string(status)).c_str());
    return parse(text);
}

Fields runOnce(const std::string& program) {
    Child child = spawn(program, false);
    Fields fields = readLine(child);
    finish(child);
    return fields;
}

double number(const Fields& fields, const std::string& key) {
    const auto found = fields.find(key);
    return found == fields.end() ? std::nan("") : std::strtod(found->second.c_str(), nullptr);
}

std::vector<double> column(const std::vector<Fields>& runs, const std::string& key,
                           double scale = 1.0) {
    std::vector<double> values;
    for (const Fields& run : runs)
        values.push_back(number(run, key) * scale);
    return values;
}

void row(const std::string& figure, double game, double baseline, int decimals,
         const std::string& goal, bool met) {
    char ratio[32] = "-";
    if (baseline > 0)
        std::snprintf(ratio, sizeof ratio, "%.2fx", game / baseline);
    std::printf("ROW\t%s\t%.*f\t%.*f\t%s\t%s\t%s\n", figure.c_str(), decimals, game, decimals,
                baseline, ratio, goal.c_str(), met ? "yes" : "NO");
}

void line(const std::string& what, double game, double baseline, int decimals = 2) {
    const auto cell = [decimals](double value) {
        char text[32];
        if (std::isnan(value))
            std::snprintf(text, sizeof text, "-");
        else
            std::snprintf(text, sizeof text, "%.*f", decimals, value);
        return std::string(text);
    };
    std::printf("  %-40s %12s %12s\n", what.c_str(), cell(game).c_str(), cell(baseline).c_str());
}

void showChildWarnings() {
    std::ifstream file(stderrPath);
    std::set<std::string> seen;
    for (std::string text; std::getline(file, text);) {
        if (!text.empty() && seen.insert(text).second)
            std::printf("  child stderr: %s\n", text.c_str());
    }
    unlink(stderrPath.c_str());
}

void compareStartUp(const std::string& game, const std::string& baseline, int runs,
                    const std::string& label) {
    // One untimed run of each brings both programs and Qt's plugins into the page cache.
    runOnce(game);
    runOnce(baseline);

    std::vector<Fields> gameRuns;
    std::vector<Fields> baselineRuns;
    for (int i = 0; i < runs; ++i) {
        // Alternating which goes first cancels any effect of the order.
        if (i % 2 == 0) {
            gameRuns.push_back(runOnce(game));
            baselineRuns.push_back(runOnce(baseline));
        } else {
            baselineRuns.push_back(runOnce(baseline));
            gameRuns.push_back(runOnce(game));
        }
    }

    const auto ms = [](const std::vector<Fields>& all, const std::string& key) {
        return median(column(all, key, 1e-6));
    };
    const auto mib = [](const std::vector<Fields>& all, const std::string& key) {
        return median(column(all, key, 1.0 / 1024));
    };
    const auto fastest = [](const std::vector<Fields>& all, const std::string& key) {
        const auto values = column(all, key, 1e-6);
        return *std::min_element(values.begin(), values.end());
    };
    std::printf("%s start-up, %d runs each (platform %s)\n", label.c_str(), runs,
                gameRuns.front()["platform"].c_str());
    std::printf("  %-40s %12s %12s\n", "median", "game", "baseline");
    line("first frame since spawn, ms", ms(gameRuns, "frame_ns_since_spawn"),
         ms(baselineRuns, "frame_ns_since_spawn"));
    line("fastest first frame since spawn, ms", fastest(gameRuns, "frame_ns_since_spawn"),
         fastest(baselineRuns, "frame_ns_since_spawn"));
    line("first frame since main(), ms", ms(gameRuns, "frame_ns_since_main"),
         ms(baselineRuns, "frame_ns_since_main"));
    // The steps each program marks, in the order the game runs them.
    for (const char* step : {"display_check", "application", "look", "window", "show"}) {
        const std::string key = std::string("mark_") + step + "_ns";
        line(std::string("  main() to end of ") + step + ", ms", ms(gameRuns, key),
             ms(baselineRuns, key));
    }
    line("CPU time to first frame, ms", ms(gameRuns, "cpu_ns"), ms(baselineRuns, "cpu_ns"));
    line("widgets painted in first frame", median(column(gameRuns, "widgets_painted")),
         median(column(baselineRuns, "widgets_painted")), 0);
    line("peak resident (VmHWM), MiB", mib(gameRuns, "vmhwm_kb"), mib(baselineRuns, "vmhwm_kb"));
    line("resident at first frame, MiB", mib(gameRuns, "vmrss_kb"), mib(baselineRuns, "vmrss_kb"));

    const double gameMs = ms(gameRuns, "frame_ns_since_spawn");
    const double baseMs = ms(baselineRuns, "frame_ns_since_spawn");
    row(label + ": start-up to first frame, ms", gameMs, baseMs, 2, "<= 1.10x",
        gameMs <= 1.10 * baseMs);
    // Wall time suffers from whatever else the machine runs; CPU time much less so.
    const double gameCpu = ms(gameRuns, "cpu_ns");
    const double baseCpu = ms(baselineRuns, "cpu_ns");
    row(label + ": CPU time to first frame, ms", gameCpu, baseCpu, 2, "<= 1.10x",
        gameCpu <= 1.10 * baseCpu);
    const double gameMib = mib(gameRuns, "vmhwm_kb");
    const double baseMib = mib(baselineRuns, "vmhwm_kb");
    row(label + ": peak resident (VmHWM), MiB", gameMib, baseMib, 1, "<= 1.10x",
        gameMib <= 1.10 * baseMib);
}

// CPU time and voluntary context switches summed over every thread of a process.
struct Usage {
    double cpuNs = 0;
    double wakeups = 0;
    int threads = 0;
};

Usage usageOf(pid_t pid) {
    Usage usage;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(taskDir.c_str());
    if (dir == nullptr)
        return usage;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string task = taskDir + '/' + entry->d_name;
        double onCpuNs = 0;
        std::ifstream(task + "/schedstat") >> onCpuNs;
        usage.cpuNs += onCpuNs;
        std::ifstream status(task + "/status");
        for (std::string text; std::getline(status, text);) {
            if (text.starts_with("voluntary_ctxt_switches:"))
                usage.wakeups += std::strtod(text.c_str() + 24, nullptr);
        }
        ++usage.threads;
    }
    closedir(dir);
    return usage;
}

void compareIdling(const std::string& game, const std::string& baseline, int idleMs,
                   const std::string& label) {
    Child gameChild = spawn(game, true);
    Child baselineChild = spawn(baseline, true);
    const Fields gameFrame = readLine(gameChild);
    readLine(baselineChild);
    std::this_thread::sleep_for(kSettle);
    const Usage gameBefore = usageOf(gameChild.pid);
    const Usage baselineBefore = usageOf(baselineChild.pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(idleMs));
    const Usage gameAfter = usageOf(gameChild.pid);
    const Usage baselineAfter = usageOf(baselineChild.pid);
    const Fields gameRun = finish(gameChild);
    const Fields baselineRun = finish(baselineChild);

    std::printf("%s idling for %.1f s, from %.1f s after the first frame (platform %s)\n",
                label.c_str(), idleMs / 1000.0, kSettle.count() / 1000.0,
                gameFrame.at("platform").c_str());
    std::printf("  %-40s %12s %12s\n", "", "game", "baseline");
    const double gameCpuMs = (gameAfter.cpuNs - gameBefore.cpuNs) * 1e-6;
    const double baselineCpuMs = (baselineAfter.cpuNs - baselineBefore.cpuNs) * 1e-6;
    const double gameWakeups = gameAfter.wakeups - gameBefore.wakeups;
    line("CPU while idling, ms", gameCpuMs, baselineCpuMs, 3);
    line("wake-ups while idling (all threads)", gameWakeups,
         baselineAfter.wakeups - baselineBefore.wakeups, 0);
    line("threads", gameAfter.threads, baselineAfter.threads, 0);
    line("timer events since first frame", number(gameRun, "idle_timer_events"),
         number(baselineRun, "idle_timer_events"), 0);
    line("paint events since first frame", number(gameRun, "idle_paint_events"),
         number(baselineRun, "idle_paint_events"), 0);
    line("other events since first frame", number(gameRun, "idle_other_events"),
         number(baselineRun, "idle_other_events"), 0);
    row(label + ": CPU in " + std::to_string(idleMs / 1000) + " s idle, ms", gameCpuMs,
        baselineCpuMs, 3, "0", gameCpuMs == 0 && gameWakeups == 0);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string game;
    std::string baseline;
    std::string label = "start-up";
    int runs = 15;
    int idleMs = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--game")
            game = value;
        else if (name == "--baseline")
            baseline = value;
        else if (name == "--runs")
            runs = std::max(1, std::atoi(value.c_str()));
        else if (name == "--idle-ms")
            idleMs = std::atoi(value.c_str());
        else if (name == "--label")
            label = value;
    }
    if (game.empty() || baseline.empty()) {
        std::fprintf(stderr,
                     "usage: %s --game PATH --baseline PATH [--runs N] [--idle-ms MS] "
                     "[--label TEXT]\n",
                     argv[0]);
        return 2;
    }
    // A child that dies early must not kill the driver on its next write to the child.
    signal(SIGPIPE, SIG_IGN);

    char path[] = "/tmp/morvane-bench-stderr-XXXXXX";
    stderrFile = mkostemp(path, O_CLOEXEC);
    stderrPath = path;

    if (idleMs > 0)
        compareIdling(game, baseline, idleMs, label);
    else
        compareStartUp(game, baseline, runs, label);
    showChildWarnings();
    return 0;
}
