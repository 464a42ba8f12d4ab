#!/usr/bin/env bash
# Captures the game window, as it first appears, to docs/screenshot.png.
# Runs the built program on a private Xvfb server at 96 DPI, under a small window manager
# when one is installed (evilwm, matchbox-window-manager or twm), and grabs the window's
# client area with ImageMagick's import.
#
# Usage: tools/screenshot.sh [path/to/morvane] [output.png]
# Needs: xvfb-run, xdotool, imagemagick.
set -euo pipefail

game_pid=""
wm_pid=""

stop_programs() {
    for pid in $game_pid $wm_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
}

# The part that runs inside the X session (the script calls itself with --inside).
capture() {
    local program="$1" output="$2" wm="" window
    for candidate in evilwm matchbox-window-manager twm; do
        if command -v "$candidate" >/dev/null; then wm="$candidate"; break; fi
    done
    if [[ -n "$wm" ]]; then
        "$wm" >/dev/null 2>&1 &
        wm_pid=$!
        sleep 0.5
    fi

    QT_QPA_PLATFORM=xcb "$program" &
    game_pid=$!
    trap stop_programs EXIT

    window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Zandorel$' | head -n 1)"
    if [[ -z "$window" ]]; then
        echo "screenshot.sh: the window did not appear" >&2
        return 1
    fi
    sleep 1  # let the first frame be painted
    mkdir -p "$(dirname "$output")"
    import -window "$window" "$output"
}
if [[ "${1:-}" == "--inside" ]]; then
    capture "$2" "$3"
    exit
fi

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath -m "${1:-$repo_root/build/bin/morvane}")"
output="$(realpath -m "${2:-$repo_root/docs/screenshot.png}")"

if [[ ! -x "$program" ]]; then
    echo "screenshot.sh: no program at $program; build first or pass its path" >&2
    exit 1
fi
for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is not installed" >&2; exit 1; }
done

xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$(realpath "${BASH_SOURCE[0]}")" --inside \
    "$program" "$output"
echo "screenshot.sh: wrote $output"
