#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks every file a desktop expects,
# then validates the desktop entry and the metainfo as installed.
#   check-install-layout.sh BUILD_DIR APP_ID PREFIX
# PREFIX is the build's configured prefix, for which the paths inside the files were written.
set -euo pipefail
build_dir="$1"
app_id="$2"
configured_prefix="$3"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [[ -f "$prefix/$1" ]] || fail "missing $1"; }

# Where a path written for the configured prefix lies in the temporary install.
installed() { [[ "$1" == "$configured_prefix"/* ]] && echo "$prefix/${1#"$configured_prefix"/}"; }

[[ -x "$prefix/games/morvane" ]] || fail "games/morvane is missing or not executable"
expect_file "share/applications/$app_id.desktop"
expect_file "share/metainfo/$app_id.metainfo.xml"
expect_file "share/morvane/Morvane.html"
expect_file "share/man/man6/morvane.6.gz"
for size in 16 32 48 64 128; do
    icon="share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    expect_file "$icon"
    [[ -f "$prefix/$icon" ]] && { file "$prefix/$icon" | grep -q "PNG image data, $size x $size" ||
        fail "$icon is not a ${size}x${size} PNG: $(file -b "$prefix/$icon")"; }
done

# Nothing else: no test programs, build tools or static libraries in the install.
unexpected=$(cd "$prefix" && find . -type f | sort | grep -vE \
    "^\./(games/morvane|share/applications/$app_id\.desktop|share/metainfo/$app_id\.metainfo\.xml|share/morvane/Morvane\.html|share/morvane/[A-Za-z0-9_.-]+\.png|share/man/man6/morvane\.6\.gz|share/icons/hicolor/[0-9]+x[0-9]+/apps/$app_id\.png)$" || true)
[[ -z "$unexpected" ]] || fail "unexpected files installed: $unexpected"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
# The project has no web site of its own, so the metainfo names no homepage rather than
# invent one. AppStream 1.0 and later warn about that; older versions do not know the tag.
appstream_overrides=()
appstream_version="$(appstreamcli --version | sed -n 's/^AppStream version: *//p')"
if dpkg --compare-versions "$appstream_version" ge 1.0; then
    appstream_overrides=(--override=url-homepage-missing=info)
fi
appstreamcli validate --no-net --pedantic "${appstream_overrides[@]}" \
    "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop" || fail "Icon= is not the app id"
# The menu starts the program by its full path, and the manual page names installed files.
exec_line="$(grep -m1 '^Exec=' "$prefix/share/applications/$app_id.desktop" || true)"
[[ -x "$(installed "${exec_line#Exec=}")" ]] || fail "$exec_line is not the installed program"
man_files="$(zcat "$prefix/share/man/man6/morvane.6.gz" 2>/dev/null |
    awk '/^\.SH/ { files = ($2 == "FILES") } files && /^\.I / { print $2 }' || true)"
[[ -n "$man_files" ]] || fail "the manual page names no FILES"
for path in $man_files; do
    [[ -e "$(installed "$path")" ]] || fail "the manual page names $path, which is not installed"
done
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "metainfo does not launch $app_id.desktop"

# The help page stands alone: no scripts and nothing fetched from the network. It shows
# pictures only from files installed beside it, and every picture installed there is shown.
help_dir="$prefix/share/morvane"
if grep -qiE '<script|https?://' "$help_dir/Morvane.html"; then
    fail "the help page loads scripts or network resources"
fi
shown=()
while read -r source; do
    picture="${source#src=\"}"
    picture="${picture%\"}"
    if [[ ! "$source" =~ ^src=\"[A-Za-z0-9_][A-Za-z0-9_.-]*\.(png|jpe?g|gif)\"$ || "$picture" == *..* ]]; then
        fail "the help page loads $source, not a picture file beside it"
    elif [[ ! -f "$help_dir/$picture" ]]; then
        fail "the help page shows $picture, which is not installed"
    fi
    shown+=("$picture")
done < <(grep -oiE 'src=[^ >]*' "$help_dir/Morvane.html")
for installed in "$help_dir"/*.png; do
    [[ -e "$installed" ]] || continue
    printf '%s\n' "${shown[@]}" | grep -qxF "$(basename "$installed")" ||
        fail "share/morvane/$(basename "$installed") is installed but the help page does not show it"
done

if [[ $failures -gt 0 ]]; then
    echo "$failures problem(s) in the install layout"
    exit 1
fi
echo "install layout: all checks passed"
