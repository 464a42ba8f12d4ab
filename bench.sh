#!/usr/bin/env bash
# Builds the benchmark programs in build-bench/, runs them on the offscreen platform and on an
# Xvfb X server, and prints one table: figure, game, baseline, ratio, goal, met.
#
#   ./bench.sh                 about a minute once built
#   RUNS=25 SAMPLES=1000 ./bench.sh
#
# RUNS     start-up runs of each program per platform (at least 10)
# SAMPLES  timed repetitions of each action, level and repaint mode
# IDLE_MS  how long the idle figure watches the started program
# XVFB_SERVER_ARGS  Xvfb's options (default "-screen 0 1280x1024x24 -dpi 96 -noreset")
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

RUNS=${RUNS:-15}
SAMPLES=${SAMPLES:-400}
IDLE_MS=${IDLE_MS:-10000}
BUILD=build-bench
BIN=$BUILD/bin
# -noreset: a desktop's X server never resets, but a bare Xvfb re-initialises whenever its last
# client leaves, and every run here would wait for the reset the previous run caused.
XVFB=(xvfb-run -a -s "${XVFB_SERVER_ARGS:--screen 0 1280x1024x24 -dpi 96 -noreset}")
TARGETS=(morvane_bench_startup_game morvane_bench_startup_baseline morvane_bench_startup
         morvane_bench_actions)

if (( RUNS < 10 )); then
    echo "bench.sh: RUNS must be at least 10" >&2
    exit 2
fi

tools/ensure-packages.sh "${BENCH_PACKAGES[@]}"

echo "== build"
cmake -S . -B "$BUILD" -DMORVANE_BUILD_BENCHMARKS=ON > /dev/null
cmake --build "$BUILD" --target "${TARGETS[@]}" -j "$(nproc)" > "$BUILD/bench-build.log" 2>&1 ||
    { tail -n 40 "$BUILD/bench-build.log"; exit 1; }

# Qt warns on every start without a private runtime directory; give the runs one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
LOG=$(mktemp)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$LOG"' EXIT

echo "== machine"
echo "cpus:      $(nproc)"
echo "cpu model: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "memory:    $(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
echo "kernel:    $(uname -r)"
echo "qt:        $(dpkg-query -W -f '${Version}' libqt6widgets6 2>/dev/null || echo unknown)"
echo "compiler:  $(c++ --version | head -n 1)"
echo "build:     $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$BUILD/CMakeCache.txt")"
# Wall-clock figures suffer when the machine is busy; the load shows how busy it was.
echo "load:      $(cut -d ' ' -f 1-3 /proc/loadavg) (1, 5, 15 min) at start"
# On a virtual machine, time its host gives to other guests ("steal") slows every figure too.
cpu_jiffies() { awk '/^cpu / { print $2 + $3 + $4 + $7 + $8, $9 }' /proc/stat; }
read -r busy_at_start steal_at_start < <(cpu_jiffies)
echo "xvfb:      $(printf "%q " "${XVFB[@]}")"
# Start-up depends on how many fonts fontconfig has to know; a desktop has hundreds.
fonts=$(fc-list | wc -l)
echo "fonts:     $fonts installed (fc-list)"

startup=("$BIN/morvane_bench_startup" --game "$BIN/morvane_bench_startup_game"
         --baseline "$BIN/morvane_bench_startup_baseline")

echo
echo "== 1 and 3: start-up to the first painted frame, and peak memory"
QT_QPA_PLATFORM=offscreen "${startup[@]}" --runs "$RUNS" --label offscreen | tee -a "$LOG" |
    grep -v '^ROW'
"${XVFB[@]}" env QT_QPA_PLATFORM=xcb "${startup[@]}" --runs "$RUNS" --label xvfb |
    tee -a "$LOG" | grep -v '^ROW'

# Instructions, which a busy machine cannot blur: each program once under callgrind, from its
# start to its first painted frame.
# instructions PROGRAM LAUNCHER...: the launcher (an environment, an X server) runs valgrind.
instructions() {
    local program=$1 out
    shift
    out=$(mktemp -d)
    "$@" valgrind --tool=callgrind --callgrind-out-file="$out/cg" \
        --dump-after='*FirstFrameProbe::frameShown*' "$program" > /dev/null 2>&1
    sed -n 's/^summary: //p' "$out/cg.1"
    rm -rf "$out"
}
instruction_row() {
    local label=$1
    shift
    local game baseline ratio
    game=$(instructions "$BIN/morvane_bench_startup_game" "$@")
    baseline=$(instructions "$BIN/morvane_bench_startup_baseline" "$@")
    ratio=$(awk -v g="$game" -v b="$baseline" 'BEGIN { printf "%.3f", g / b }')
    echo "$label: game $game, bare window $baseline instructions: ${ratio}x ($fonts fonts)"
    printf 'ROW\tStart-up instructions, %s (millions, %s fonts)\t%s\t%s\t%sx\t<= 1.03x\t%s\n' \
        "$label" "$fonts" "$(awk -v n="$game" 'BEGIN { printf "%.1f", n / 1e6 }')" \
        "$(awk -v n="$baseline" 'BEGIN { printf "%.1f", n / 1e6 }')" "$ratio" \
        "$(awk -v r="$ratio" 'BEGIN { print (r <= 1.03) ? "yes" : "NO" }')" >> "$LOG"
}
echo
echo "== 1b: start-up instructions to the first painted frame (callgrind)"
instruction_row offscreen env QT_QPA_PLATFORM=offscreen
instruction_row xvfb "${XVFB[@]}" env QT_QPA_PLATFORM=xcb

echo
echo "== 2: one action with its repaint"
QT_QPA_PLATFORM=offscreen "$BIN/morvane_bench_actions" --samples "$SAMPLES" --label offscreen |
    tee -a "$LOG" | grep -v '^ROW'
"${XVFB[@]}" env QT_QPA_PLATFORM=xcb "$BIN/morvane_bench_actions" --samples "$SAMPLES" \
    --label xvfb | tee -a "$LOG" | grep -v '^ROW'

# The same actions counted in instructions, which a busy machine cannot blur: the releases with
# their repaint alone, each action and level in a dump of its own; the worst level is kept.
# action_instructions LABEL LAUNCHER...: the launcher (an environment, an X server) runs valgrind.
action_instructions() {
    local label=$1 out
    shift
    out=$(mktemp -d)
    "$@" valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out/cg" \
        "$BIN/morvane_bench_actions" --samples 20 > /dev/null 2>&1
    # "desc: Trigger: Client Request: shuffle at letters only, 20 releases" then "summary: N".
    awk -v label="$label" '
        /^desc: Trigger: Client Request: / {
            sub(/^desc: Trigger: Client Request: /, "")
            action = $1; level = $0; sub(/^[^ ]+ at /, "", level); sub(/, [0-9]+ releases$/, "", level)
            releases = $0; sub(/.*, /, "", releases); sub(/ releases$/, "", releases)
        }
        /^summary: / && action != "" {
            per = $2 / releases
            printf "%s: %-14s %-21s %9.0f instructions per release\n", label, action, level, per
            if (per > worst[action]) { worst[action] = per; at[action] = level }
            action = ""
        }
        END {
            for (a in worst)
                printf "ROW\t%s: %s + repaint changed, thousand instructions, worst level (%s)\t%.0f\t-\t-\t-\t-\n", label, a, at[a], worst[a] / 1000
        }' "$out"/cg.* | sort
    rm -rf "$out"
}
echo
echo "== 2b: instructions per action with its repaint (callgrind)"
action_instructions offscreen env QT_QPA_PLATFORM=offscreen | tee -a "$LOG" | grep -v '^ROW'
action_instructions xvfb "${XVFB[@]}" env QT_QPA_PLATFORM=xcb | tee -a "$LOG" | grep -v '^ROW'

echo
echo "== 4: CPU while idling after start-up"
QT_QPA_PLATFORM=offscreen "${startup[@]}" --idle-ms "$IDLE_MS" --label offscreen |
    tee -a "$LOG" | grep -v '^ROW'
"${XVFB[@]}" env QT_QPA_PLATFORM=xcb "${startup[@]}" --idle-ms "$IDLE_MS" --label xvfb |
    tee -a "$LOG" | grep -v '^ROW'

echo
echo "== summary (medians; for actions the baseline column is the same action with all 68"
echo "   holders repainted)"
{
    printf 'figure\tgame\tbaseline\tratio\tgoal\tmet?\n'
    grep '^ROW' "$LOG" | cut -f 2-
} | column -t -s $'\t'
echo "load:      $(cut -d ' ' -f 1-3 /proc/loadavg) (1, 5, 15 min) at end"
read -r busy_at_end steal_at_end < <(cpu_jiffies)
awk -v busy=$((busy_at_end - busy_at_start)) -v steal=$((steal_at_end - steal_at_start)) \
    'BEGIN { share = busy + steal > 0 ? 100 * steal / (busy + steal) : 0
             printf "steal:     %.0f %% of the busy CPU time went to other guests\n", share }'
