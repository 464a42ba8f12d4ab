#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks its name, version,
# dependencies and contents with dpkg-deb.
#   check-deb-package.sh BUILD_DIR APP_ID VERSION PREFIX
set -euo pipefail
build_dir="$1"
app_id="$2"
version="$3"
prefix="${4#/}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$out" >/dev/null
arch="$(dpkg --print-architecture)"
deb="$out/morvane_${version}_${arch}.deb"
[[ -f "$deb" ]] || { echo "FAIL: no $deb; cpack made: $(ls "$out")"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[[ "$(dpkg-deb -f "$deb" Package)" == morvane ]] || fail "package name"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "version is $(dpkg-deb -f "$deb" Version)"
depends="$(dpkg-deb -f "$deb" Depends)"
for dependency in fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6 libxcb1 libc6; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in "bin/morvane" "share/applications/$app_id.desktop" \
    "share/metainfo/$app_id.metainfo.xml" "share/morvane/Morvane.html" \
    "share/man/man6/morvane.6" "share/icons/hicolor/16x16/apps/$app_id.png" \
    "share/icons/hicolor/128x128/apps/$app_id.png"; do
    grep -qx "\./$prefix/$path" <<<"$contents" || fail "package lacks /$prefix/$path"
done

if [[ $failures -gt 0 ]]; then
    echo "$failures problem(s) in $deb"
    exit 1
fi
echo "$(basename "$deb"): all checks passed (Depends: $depends)"
