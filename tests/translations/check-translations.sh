#!/usr/bin/env bash
# Checks the translations as they are committed:
#   - po/morvane.pot holds the messages a fresh extraction from the sources finds, no more and
#     no fewer (its date, places and comments aside: they differ between tool versions);
#   - every language in po/LINGUAS has its po/LANG.po, and every po/LANG.po is in LINGUAS;
#   - every LANG.po has every message of the template, all translated, none fuzzy, and passes
#     msgfmt --check: its header, and every format string with the same arguments (%1, %2).
#   check-translations.sh SOURCE_DIR VERSION
set -uo pipefail
source_dir="$(cd "$1" && pwd)"
version="$2"
po="$source_dir/po"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The messages of a template or catalogue, one a line, in a fixed order.
messages() {
    msgcat --no-wrap --sort-output --no-location "$1" | grep -E '^(msgctxt|msgid|msgid_plural) '
}

if ! cmake -DSOURCE_DIR="$source_dir" -DOUTPUT="$work/fresh.pot" -DVERSION="$version" \
    -P "$po/extract-messages.cmake" >"$work/extract.log" 2>&1; then
    cat "$work/extract.log"
    fail "the messages could not be extracted from the sources"
elif ! diff <(messages "$po/morvane.pot") <(messages "$work/fresh.pot") >"$work/template.diff"; then
    sed 's/^/    /' "$work/template.diff"
    fail "po/morvane.pot is not what the sources say ('>' only in the sources, '<' only in the" \
        "template): cmake --build BUILD --target morvane_update_po"
fi

languages=$(grep -v '^#' "$po/LINGUAS" | tr -s ' \t' '\n\n' | grep -v '^$' | sort)
[[ -n "$languages" ]] || fail "po/LINGUAS names no language"
for file in "$po"/*.po; do
    [[ -e "$file" ]] || continue
    language="$(basename "$file" .po)"
    grep -qxF "$language" <<<"$languages" ||
        fail "po/$language.po is not in po/LINGUAS, so it is not built or installed"
done

for language in $languages; do
    file="$po/$language.po"
    if [[ ! -f "$file" ]]; then
        fail "po/LINGUAS names $language, but there is no po/$language.po"
        continue
    fi
    if ! statistics="$(LC_ALL=C msgfmt --check --statistics --output-file=/dev/null "$file" 2>&1)"; then
        echo "$statistics"
        fail "msgfmt --check finds faults in po/$language.po"
        continue
    fi
    # Only "N translated messages.": no fuzzy and no untranslated ones.
    [[ "$statistics" =~ ^[0-9]+\ translated\ messages?\.$ ]] ||
        fail "po/$language.po is not complete: $statistics"
    # Every message of the template, none left out (msgmerge adds the new ones).
    if ! LC_ALL=C msgcmp "$file" "$po/morvane.pot" >"$work/compare.log" 2>&1; then
        sed 's/^/    /' "$work/compare.log" | head -n 20
        fail "po/$language.po lacks messages of the template: cmake --build BUILD --target" \
            "morvane_update_po, then translate them"
    fi
    grep -q "^\"Language: $language\\\\n\"" "$file" ||
        fail "po/$language.po does not say \"Language: $language\" in its header"
done

if [[ $failures -gt 0 ]]; then
    echo "$failures problem(s) with the translations"
    exit 1
fi
echo "translations: $(wc -w <<<"$languages") language(s), complete and matching the sources"
