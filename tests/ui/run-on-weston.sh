#!/usr/bin/env bash
# Runs a command as the only client of its own Weston: headless, drawn by the software
# renderer, with a private runtime folder and socket, so runs in parallel never meet.
# The command sees Wayland only: WAYLAND_DISPLAY and XDG_RUNTIME_DIR set, DISPLAY unset,
# QT_QPA_PLATFORM=wayland. Weston is stopped and its folder removed however the run ends.
# Exits with the command's status, or 125 when the compositor does not come up.
#   run-on-weston.sh [--modules=MODULE.so,...] COMMAND [ARGUMENT...]
set -uo pipefail

modules=()
if [[ "${1:-}" == --modules=* ]]; then
    modules=("$1")
    shift
fi

runtime="$(mktemp -d "${TMPDIR:-/tmp}/morvane-weston.XXXXXX")" || exit 125
chmod 0700 "$runtime"
socket="morvane-$$"
weston_pid=""
command_pid=""

# shellcheck disable=SC2317  # run by the EXIT trap
stop() {
    for pid in $command_pid $weston_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 130' INT TERM

# No idle blanking or lock screen to swallow input, and no on-screen keyboard to start.
cat >"$runtime/weston.ini" <<'EOF'
[core]
idle-time=0
[input-method]
path=
EOF

XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman \
    --width=1280 --height=1024 --socket="$socket" --config="$runtime/weston.ini" \
    --log="$runtime/weston.log" "${modules[@]}" &
weston_pid=$!

for _ in $(seq 200); do
    [[ -S "$runtime/$socket" ]] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.05
done
if [[ ! -S "$runtime/$socket" ]]; then
    echo "run-on-weston.sh: weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 125
fi

# In the background, so that a signal to this script stops the command and Weston at once.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    "$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=""
exit "$status"
