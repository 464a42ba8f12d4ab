#!/usr/bin/env bash
# Tests the built Debian package as Debian's own CI and QA do, on fresh minimal roots of the
# release this machine runs, made with debootstrap from the archive apt here already uses:
#   - piuparts: the package installed with what it depends on, removed and purged, and
#     nothing of it left behind;
#   - its autopkgtests (debian/tests) against the installed package, once as root and once
#     as a normal user, each in a testbed of its own (autopkgtest ... -- chroot).
# Never on this machine itself: autopkgtest rewrites the apt configuration of its testbed.
# The script undoes its mounts and removes its roots on every exit, and where it can, it runs
# in a mount namespace of its own, so that no mount it makes outlives it even when killed.
# (Not in a chroot whose root is no mount point: there the namespace's mounts cannot be made
# private. tools/test-on-fresh-debian.sh makes its root one.)
#   check-deb-testbed.sh SOURCE_DIR DEB
# Needs root (or sudo), debootstrap, autopkgtest, piuparts, git and about 2 GB of disk.
set -uo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 SOURCE_DIR DEB" >&2
    exit 2
fi
if [[ $(id -u) -ne 0 ]]; then
    exec sudo -- "$0" "$@"
fi
if [[ -z "${MORVANE_TESTBED_NAMESPACE:-}" ]] &&
    unshare --mount --propagation private -- true 2>/dev/null; then
    MORVANE_TESTBED_NAMESPACE=1 exec unshare --mount --propagation private -- "$0" "$@"
fi

source_dir="$(cd "$1" && pwd)" || exit 1
deb="$(realpath -e "$2")" || exit 1
user=morvane-tester

# shellcheck source=tools/fresh-root.sh
source "$source_dir/tools/fresh-root.sh"
# shellcheck disable=SC1091  # the machine's own
release="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
mirror="$(debian_mirror)"

work="$(mktemp -d "${TMPDIR:-/var/tmp}/morvane-testbed.XXXXXX")" || exit 1

# shellcheck disable=SC2317  # run by the EXIT trap
clean_up() {
    # piuparts and the testbeds mount inside their roots.
    if release_root "$work"; then
        rm -rf --one-file-system "$work"
    else
        echo "check-deb-testbed.sh: $work still has mounts; left in place" >&2
    fi
}
trap clean_up EXIT
trap 'exit 130' INT TERM

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

echo "A fresh Debian $release root from $mirror"
start=$SECONDS
base="$work/base"
if ! debootstrap --variant=minbase "$release" "$base" "$mirror" >"$work/debootstrap.log" 2>&1; then
    tail -n 20 "$work/debootstrap.log"
    echo "FAIL: debootstrap $release"
    exit 1
fi
# It becomes the root folder: everyone may enter it, as the test user must.
chmod 0755 "$base"
cp /etc/resolv.conf "$base/etc/resolv.conf"
# Every root here is thrown away after one run: dpkg need not wait for the disk at every
# file, and apt need not fetch the descriptions' translations.
echo force-unsafe-io >"$base/etc/dpkg/dpkg.cfg.d/morvane-testbed"
echo 'Acquire::Languages "none";' >"$base/etc/apt/apt.conf.d/99morvane-testbed"
echo "debootstrap: $((SECONDS - start)) s"

# piuparts works on a copy of the root, in a folder of its own under the work folder.
start=$SECONDS
if piuparts --existing-chroot="$base" --tmpdir="$work" --distribution="$release" \
    --mirror="$mirror main" "$deb" >"$work/piuparts.log" 2>&1; then
    grep -E ' INFO: (PASS|Can.t test)' "$work/piuparts.log" | sed 's/^[0-9ms.]* INFO: /piuparts: /'
else
    grep -E ' (ERROR|FAIL)' "$work/piuparts.log" | tail -n 40
    fail "piuparts: install, remove and purge on Debian $release"
fi
echo "piuparts: $((SECONDS - start)) s"

# The tests as the source has them, without anything a build left behind.
tree="$work/source"
mkdir "$tree"
git -C "$source_dir" ls-files -z | (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$tree"

# autopkgtest in a fresh copy of the root, as AS (root or user).
run_autopkgtest() {
    local as="$1" testbed="$work/testbed-$1" options=() point status
    cp -a "$base" "$testbed"
    for point in proc sys dev dev/pts; do
        mount --bind "/$point" "$testbed/$point" || return 1
    done
    # The two testbeds fetch the same packages: the second takes them from the first.
    mkdir -p "$work/archives/partial"
    mount --bind "$work/archives" "$testbed/var/cache/apt/archives" || return 1
    # Shared memory of its own, for the X server and the compositor.
    mount -t tmpfs -o mode=1777 tmpfs "$testbed/dev/shm" || return 1
    if [[ "$as" == user ]]; then
        chroot "$testbed" useradd --create-home --shell /bin/bash "$user" || return 1
        options=(--user="$user")
    fi
    autopkgtest --no-built-binaries --timeout-test=300 "${options[@]}" "$deb" "$tree/" \
        -- chroot "$testbed" >"$work/autopkgtest-$as.log" 2>&1
    status=$?
    # The summary: one line a test.
    sed -n '/@@@@ summary/,/^autopkgtest \[/p' "$work/autopkgtest-$as.log" |
        grep -v '^autopkgtest \[' | sed "s/^/autopkgtest as $as: /"
    # On failure, what each test printed, and autopkgtest's own errors.
    if [[ $status -ne 0 ]]; then
        sed -n -e '/^autopkgtest \[[0-9:]*\]: test [a-z0-9-]*: \[-/,/-\]$/p' \
            -e '/^autopkgtest \[[0-9:]*\]: ERROR/p' -e '/^[a-z0-9-]* *FAIL stderr: /p' \
            "$work/autopkgtest-$as.log" | tail -n 60
    fi
    release_root "$testbed" && rm -rf --one-file-system "$testbed"
    return "$status"
}

for as in root user; do
    start=$SECONDS
    run_autopkgtest "$as" || fail "autopkgtest as $as on Debian $release exited with $?"
    echo "autopkgtest as $as: $((SECONDS - start)) s"
done

if [[ $failures -gt 0 ]]; then
    echo "$failures problem(s) with the package in a clean testbed"
    exit 1
fi
echo "$(basename "$deb") on a fresh Debian $release: piuparts and autopkgtest passed"
