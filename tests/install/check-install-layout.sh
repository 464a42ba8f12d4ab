#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks every file a desktop expects,
# then validates the desktop entry, the metainfo, the manual pages and the help pages as
# installed, in English and in every language of LINGUAS.
#   check-install-layout.sh BUILD_DIR APP_ID PREFIX LINGUAS
# PREFIX is the build's configured prefix, for which the paths inside the files were written.
set -euo pipefail
build_dir="$1"
app_id="$2"
configured_prefix="$3"
languages="$(grep -v '^#' "$4" | tr -s ' \t' '\n\n' | grep -v '^$' || true)"
# Languages written from right to left, whose help pages must say so.
rtl_languages=" ar ckb dv fa he ps sd ug ur yi "
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
for language in $languages; do
    expect_file "share/locale/$language/LC_MESSAGES/morvane.mo"
    expect_file "share/man/$language/man6/morvane.6.gz"
    expect_file "share/morvane/Morvane.$language.html"
    msgunfmt "$prefix/share/locale/$language/LC_MESSAGES/morvane.mo" >/dev/null 2>&1 ||
        fail "share/locale/$language/LC_MESSAGES/morvane.mo is not a message catalogue"
done
for size in 16 32 48 64 128; do
    icon="share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    expect_file "$icon"
    [[ -f "$prefix/$icon" ]] && { file "$prefix/$icon" | grep -q "PNG image data, $size x $size" ||
        fail "$icon is not a ${size}x${size} PNG: $(file -b "$prefix/$icon")"; }
done

# Nothing else: no test programs, build tools or static libraries in the install.
unexpected=$(cd "$prefix" && find . -type f | sort | grep -vE \
    "^\./(games/morvane|share/applications/$app_id\.desktop|share/metainfo/$app_id\.metainfo\.xml|share/morvane/Morvane(\.[A-Za-z_@]+)?\.html|share/morvane/[A-Za-z0-9_.-]+\.png|share/man/([A-Za-z_@]+/)?man6/morvane\.6\.gz|share/locale/[A-Za-z_@]+/LC_MESSAGES/morvane\.mo|share/icons/hicolor/[0-9]+x[0-9]+/apps/$app_id\.png)$" || true)
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
# Each language's menu entry and software-centre listing.
for language in $languages; do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=." "$prefix/share/applications/$app_id.desktop" ||
            fail "the desktop entry has no $key[$language]"
    done
    # msgfmt names the language as gettext does (pt_BR) or, from gettext 0.22, as BCP 47
    # does, with the script where the language has two (pt-BR, zh-Hans-CN).
    tag="$language"
    [[ "$language" == *_* ]] && tag="${language%%_*}[-_]([A-Z][a-z]{3}-)?${language#*_}"
    grep -qE "<summary xml:lang=\"$tag\">" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
        fail "the metainfo has no summary in $language"
done
# Every manual page: groff finds nothing wrong in it, and the files it names (in FILES, in
# italics; the same in every language) are installed.
for page in "$prefix"/share/man/man6/morvane.6.gz "$prefix"/share/man/*/man6/morvane.6.gz; do
    name="${page#"$prefix/"}"
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
    [[ -z "$warnings" ]] || fail "groff warns about $name: $warnings"
    # A file is an item (.TP) whose tag is in italics: in FILES, whatever it is called.
    man_files="$(zcat "$page" 2>/dev/null |
        sed -nE '/^\.TP/ { n; s/^(\.I |\\fI)([^\\ ]+)(\\f[PR])?$/\2/p }' || true)"
    [[ -n "$man_files" ]] || fail "$name names no files"
    for path in $man_files; do
        [[ -e "$(installed "$path")" ]] || fail "$name names $path, which is not installed"
    done
done
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "metainfo does not launch $app_id.desktop"

# The help pages stand alone: no scripts and nothing fetched from the network. Each is well
# formed (tidy) and names its language, and its direction where that is right to left. They
# show pictures only from files installed beside them, which every language shares, and every
# picture installed there is shown.
help_dir="$prefix/share/morvane"
shown=()
for page in "$help_dir"/Morvane*.html; do
    name="share/morvane/${page##*/}"
    language="${page##*/Morvane}"
    language="${language%.html}"
    language="${language#.}"
    if grep -qiE '<script|https?://' "$page"; then
        fail "$name loads scripts or network resources"
    fi
    report="$(tidy -quiet -errors "$page" 2>&1)" || fail "$name is not well formed: $report"
    # HTML names languages as BCP 47 does: pt-BR, sr-Latn.
    tag="${language:-en}"
    tag="${tag/@latin/-Latn}"
    tag="<html lang=\"${tag//_/-}\""
    [[ "$rtl_languages" == *" ${language%%[_@]*} "* ]] && tag+=" dir=\"rtl\""
    tag+=">"
    [[ "$(grep -m1 -o '<html[^>]*>' "$page")" == "$tag" ]] ||
        fail "$name begins $(grep -m1 -o '<html[^>]*>' "$page"), not $tag"
    while read -r source; do
        picture="${source#src=\"}"
        picture="${picture%\"}"
        if [[ ! "$source" =~ ^src=\"[A-Za-z0-9_][A-Za-z0-9_.-]*\.(png|jpe?g|gif)\"$ || "$picture" == *..* ]]; then
            fail "$name loads $source, not a picture file beside it"
        elif [[ ! -f "$help_dir/$picture" ]]; then
            fail "$name shows $picture, which is not installed"
        fi
        shown+=("$picture")
    done < <(grep -oiE 'src=[^ >]*' "$page")
done
for installed in "$help_dir"/*.png; do
    [[ -e "$installed" ]] || continue
    printf '%s\n' "${shown[@]}" | grep -qxF "$(basename "$installed")" ||
        fail "share/morvane/$(basename "$installed") is installed but no help page shows it"
done

if [[ $failures -gt 0 ]]; then
    echo "$failures problem(s) in the install layout"
    exit 1
fi
echo "install layout: all checks passed"
