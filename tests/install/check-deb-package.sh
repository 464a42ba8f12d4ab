#!/usr/bin/env bash
# Builds the Debian package the way Debian does, twice, and checks what a Debian maintainer
# checks:
#   - the source and binary packages from `dpkg-buildpackage -us -uc` on a copy of the tree;
#   - the binary package's name, version, dependencies and files;
#   - lintian --pedantic on both: no error or warning, and no note that is not overridden
#     (an override serving only the other Debian release shows as unused-override);
#   - the packaged program hardened (hardening-check) and every compile and link line of the
#     build log with Debian's flags (blhc --bindnow);
#   - the manual pages as mandoc -T lint reads them: no error or warning, and in English no
#     style note either;
#   - a second build from another folder, later, giving the same .deb files byte for byte.
#
#   check-deb-package.sh SOURCE_DIR [OUT_DIR]
# When every check passes, the binary package is copied into OUT_DIR, where test.sh's next
# stage tests it in clean testbeds (check-deb-testbed.sh).
# The packages are built without their tests (nocheck): test.sh has run them already.
# Needs dpkg-dev, debhelper, lintian, devscripts, blhc and mandoc.
set -uo pipefail

source_dir="$(cd "$1" && pwd)"
out_dir="${2:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The tracked files as they are now, committed or not, in a folder named as Debian names it.
copy_tree() {
    local folder="$1/morvane-$version"
    mkdir -p "$folder"
    git -C "$source_dir" ls-files -z | (cd "$source_dir" && tar --null -T - -cf -) |
        tar -xf - -C "$folder"
    echo "$folder"
}

# dpkg-buildpackage in FOLDER with ARGUMENTS; its log is FOLDER/../build.log.
build_package() {
    local folder="$1" status
    shift
    (cd "$folder" && DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck \
        dpkg-buildpackage -us -uc "$@") >"$folder/../build.log" 2>&1
    status=$?
    if [[ $status -ne 0 ]]; then
        tail -n 40 "$folder/../build.log"
        fail "dpkg-buildpackage $* in $folder exited with $status"
    fi
    return "$status"
}

version="$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)"
arch="$(dpkg-architecture -q DEB_HOST_ARCH)"

first="$work/first"
start=$SECONDS
build_package "$(copy_tree "$first")" || exit 1
echo "first build (source and binary): $((SECONDS - start)) s"
deb="$first/morvane_${version}_${arch}.deb"
dsc="$first/morvane_${version}.dsc"
[[ -f "$deb" && -f "$dsc" ]] || { echo "FAIL: no $deb or $dsc; made: $(ls "$first")"; exit 1; }

[[ "$(dpkg-deb -f "$deb" Package)" == morvane ]] || fail "package name"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "version $(dpkg-deb -f "$deb" Version)"
# FIELD of the package names each PACKAGE (an extended regular expression).
expect_relations() {
    local field="$1" value package
    shift
    value="$(dpkg-deb -f "$deb" "$field")"
    for package in "$@"; do
        grep -qE "(^|, )$package( |,|$)" <<<"$value" || fail "$field lacks $package: $value"
    done
}
# Debian 13 renamed Qt's core library for 64-bit time (libqt6core6t64).
expect_relations Depends fonts-liberation libqt6widgets6 libqt6gui6 'libqt6core6(t64)?' libxcb1 libc6
expect_relations Recommends qt6-wayland xdg-utils
app_id="org.morvane.morvane"
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in games/morvane "share/applications/$app_id.desktop" \
    "share/metainfo/$app_id.metainfo.xml" share/morvane/Morvane.html \
    share/man/man6/morvane.6.gz share/doc/morvane/copyright share/doc/morvane/changelog.gz \
    "share/icons/hicolor/16x16/apps/$app_id.png" "share/icons/hicolor/128x128/apps/$app_id.png"; do
    grep -qx "\./usr/$path" <<<"$contents" || fail "package lacks /usr/$path"
done
# Every language's message catalogue, manual page and help page.
for language in $(grep -v '^#' "$source_dir/po/LINGUAS"); do
    for path in "share/locale/$language/LC_MESSAGES/morvane.mo" \
        "share/man/$language/man6/morvane.6.gz" "share/morvane/Morvane.$language.html"; do
        grep -qx "\./usr/$path" <<<"$contents" || fail "package lacks /usr/$path"
    done
done

for package in "$deb" "$dsc"; do
    report="$(lintian --pedantic --display-info "$package" 2>/dev/null)"
    echo "lintian --pedantic $(basename "$package"): ${report:-no tags}"
    grep -E '^[EW]: ' <<<"$report" && fail "lintian reports errors or warnings on $package"
    grep -E '^[IP]: ' <<<"$report" | grep -v ' unused-override ' &&
        fail "lintian notes on $package that no override explains"
done

dpkg-deb -x "$deb" "$first/root"
# PIE, stack protection, fortified functions, read-only relocations and immediate binding.
# The checker's further checks are for flags Debian 12 does not give (control-flow
# protection) or for other processors (ARM's branch protection), so they are only shown.
hardening="$(hardening-check "$first/root/usr/games/morvane")"
echo "$hardening"
for feature in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
    "Read-only relocations" "Immediate binding"; do
    grep -q "^ $feature: yes" <<<"$hardening" || fail "hardening-check: $feature is not yes"
done
blhc --debian --bindnow "$first/build.log" || fail "blhc finds build lines without Debian's flags"

# The manual pages as installed; mandoc reads them compressed. The English one is held to
# every note, style included; the translations, whose source lines po4a writes as long as
# their paragraphs, to no error or warning.
lint_man_page() {
    local page="$1" level="$2" lint status
    lint="$(mandoc -T lint -W "$level" "$page" 2>&1)"
    status=$?
    [[ $status -eq 0 && -z "$lint" ]] ||
        fail "mandoc -T lint -W $level (status $status): ${lint//"$first/root"/}"
}
lint_man_page "$first/root/usr/share/man/man6/morvane.6.gz" style
for page in "$first"/root/usr/share/man/*/man6/morvane.6.gz; do
    [[ -e "$page" ]] && lint_man_page "$page" warning
done

# The same package again from another folder, at another time: nothing of the folder, the
# time or the machine's state may reach it.
second="$work/second/a/longer/path"
start=$SECONDS
build_package "$(copy_tree "$second")" -b || exit 1
echo "second build (binary): $((SECONDS - start)) s"
for made in "$first"/*.deb; do
    name="$(basename "$made")"
    sha256sum "$made" "$second/$name" | sed "s|$work/||"
    cmp -s "$made" "$second/$name" || fail "$name differs between the two builds"
done

if [[ $failures -gt 0 ]]; then
    echo "$failures problem(s) with the Debian package"
    exit 1
fi
echo "$(basename "$deb"): all checks passed (Depends: $(dpkg-deb -f "$deb" Depends))"
if [[ -n "$out_dir" ]]; then
    mkdir -p "$out_dir" && cp "$deb" "$out_dir/"
fi
