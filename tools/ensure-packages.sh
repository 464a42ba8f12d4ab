#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet.
# A name with a * stands for a package whose name carries a version (libweston-*-dev): one
# installed package that matches is enough, otherwise the newest the release offers is taken.
# Uses apt-get directly as root, through sudo otherwise. Run by run.sh and test.sh.
set -euo pipefail

release="$(. /etc/os-release && echo "${PRETTY_NAME:-this system}")"
lists="tools/packages.sh"

installed() {
    dpkg-query -W -f='${db:Status-Status}\n' "$1" 2>/dev/null | grep -qx installed
}

missing=()
for package in "$@"; do
    installed "$package" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "error: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
"${as_root[@]}" apt-get update -qq

# The newest version a release offers of a name with a *, as apt knows it.
newest() {
    local pattern="^${1//\*/[0-9][0-9.]*}\$"
    apt-cache pkgnames "${1%%\**}" | grep -E "$pattern" | sort -V | tail -n 1 || true
}

wanted=()
unavailable=()
for package in "${missing[@]}"; do
    if [[ "$package" == *\** ]]; then
        choice="$(newest "$package")"
        if [[ -z "$choice" ]]; then
            unavailable+=("$package")
            continue
        fi
        package="$choice"
    fi
    # A candidate version means apt can install it (a virtual package has none).
    policy="$(apt-cache policy "$package" 2>/dev/null)"
    if ! grep -q 'Candidate: [^(]' <<<"$policy"; then
        unavailable+=("$package")
        continue
    fi
    wanted+=("$package")
done
if [[ ${#unavailable[@]} -gt 0 ]]; then
    for package in "${unavailable[@]}"; do
        echo "error: $release has no package $package; change its name in $lists" >&2
    done
    exit 1
fi

echo "Installing: ${wanted[*]}"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${wanted[@]}"
