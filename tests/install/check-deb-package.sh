#!/usr/bin/env bash
# Builds the Debian package into a temporary folder, checks its name, version, dependencies
# and contents with dpkg-deb, and runs Debian's own checker, lintian, over it.
#   check-deb-package.sh BUILD_DIR APP_ID VERSION PREFIX
# Exits 77 (skipped) for a build whose prefix is not /usr: cpack makes no package for it.
set -euo pipefail
build_dir="$1"
app_id="$2"
version="$3"
if [[ "$4" != /usr ]]; then
    echo "SKIP: this build is for $4; configure with -DCMAKE_INSTALL_PREFIX=/usr to package it"
    exit 77
fi
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
# Debian 13 renamed Qt's core library for 64-bit time (libqt6core6t64).
for dependency in fonts-liberation libqt6widgets6 libqt6gui6 'libqt6core6(t64)?' libxcb1 libc6; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in "games/morvane" "share/applications/$app_id.desktop" \
    "share/metainfo/$app_id.metainfo.xml" "share/morvane/Morvane.html" \
    "share/man/man6/morvane.6.gz" "share/doc/morvane/copyright" "share/doc/morvane/changelog.gz" \
    "share/icons/hicolor/16x16/apps/$app_id.png" "share/icons/hicolor/128x128/apps/$app_id.png"; do
    grep -qx "\./usr/$path" <<<"$contents" || fail "package lacks /usr/$path"
done

# The changelog's newest entry is this version: a new version needs its own entry.
dpkg-deb -x "$deb" "$out/root"
zcat "$out/root/usr/share/doc/morvane/changelog.gz" >"$out/changelog"
changelog_version="$(dpkg-parsechangelog -l "$out/changelog" -S Version)"
[[ "$changelog_version" == "$version" ]] ||
    fail "the changelog's newest entry is $changelog_version, the package $version"

# Any error or warning from lintian fails; its notes (I:) are shown but pass.
lintian_status=0
lintian_output="$(lintian --fail-on error,warning "$deb" 2>&1)" || lintian_status=$?
echo "lintian: ${lintian_output:-no tags}"
if [[ $lintian_status -ne 0 ]] || grep -q '^[EW]: ' <<<"$lintian_output"; then
    fail "lintian reports errors or warnings (exit status $lintian_status)"
fi

if [[ $failures -gt 0 ]]; then
    echo "$failures problem(s) in $deb"
    exit 1
fi
echo "$(basename "$deb"): all checks passed (Depends: $depends)"
