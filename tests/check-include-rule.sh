#!/usr/bin/env bash
# Checks the include rule on the program's sources: rooms depend one way, each includes only
# from itself and the rooms before it in this order:
#   core/ → assets/ → ui/look/ → ui/controls/ → ui/access/ → ui/help/ → ui/window/ → app/
# data/help/, the build-time picture maker, may include any room but app/. Every quoted include
# names its room, and core/ and assets/ include no Qt. Lists each include that breaks the rule
# as FILE:LINE.
#   check-include-rule.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 2

order=(core assets ui/look ui/controls ui/access ui/help ui/window app)
declare -A rank
for i in "${!order[@]}"; do
    rank[${order[i]}]=$((2 * i))
done
# Above the window, below app/: everything but app/ is before it.
rank[data/help]=$((rank[ui/window] + 1))

# The room a path lies in, or nothing.
room_of() {
    local room
    for room in data/help "${order[@]}"; do
        if [[ "$1" == "$room"/* ]]; then
            printf '%s' "$room"
            return
        fi
    done
}

mapfile -d '' files < <(find core assets ui app data/help -type f \( -name '*.h' -o -name '*.cpp' \) \
    -print0 | sort -z)
if [[ ${#files[@]} -eq 0 ]]; then
    echo "FAIL: no sources under $PWD"
    exit 1
fi

failures=0
fail() {
    echo "$1: $2"
    failures=$((failures + 1))
}

while IFS= read -r hit; do
    file="${hit%%:*}"
    rest="${hit#*:}"
    place="$file:${rest%%:*}"
    text="${rest#*:}"
    room="$(room_of "$file")"
    if [[ -z "$room" ]]; then
        fail "$place" "$file lies in no room"
    elif [[ "$text" =~ \"([^\"]+)\" ]]; then
        target="${BASH_REMATCH[1]}"
        to="$(room_of "$target")"
        if [[ -z "$to" ]]; then
            fail "$place" "\"$target\" names no room"
        elif [[ "$to" != "$room" && ("$to" == data/help || ${rank[$to]} -gt ${rank[$room]}) ]]; then
            fail "$place" "$room/ may not include $to/ (\"$target\")"
        fi
    elif [[ ("$room" == core || "$room" == assets) && "$text" =~ \<(Q|qpa/)[^\>]*\> ]]; then
        fail "$place" "$room/ may not include Qt (${BASH_REMATCH[0]})"
    fi
done < <(grep -nHE '^[[:space:]]*#[[:space:]]*include' "${files[@]}")

if [[ $failures -gt 0 ]]; then
    echo "FAIL: $failures includes break the include rule"
    exit 1
fi
echo "PASS: ${#files[@]} files keep the include rule"
