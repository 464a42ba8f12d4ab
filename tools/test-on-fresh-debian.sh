#!/usr/bin/env bash
# Runs ./test.sh as a newcomer on another Debian release would: on a fresh clone of this
# repository's committed HEAD, inside a fresh minimal root of that release (Debian 13,
# "trixie", unless told otherwise) made with debootstrap from the package archive this
# machine already uses. Needs root (or sudo), debootstrap and about 5 GB of disk.
# The mounts are undone and the root removed on every exit; --keep leaves the root to look at.
#   tools/test-on-fresh-debian.sh [--keep] [RELEASE]
set -uo pipefail

if [[ $(id -u) -ne 0 ]]; then
    exec sudo -- "$0" "$@"
fi
keep=false
if [[ "${1:-}" == --keep ]]; then
    keep=true
    shift
fi
release="${1:-trixie}"
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$repo/tools/ensure-packages.sh" debootstrap || exit 1

# shellcheck source=tools/fresh-root.sh
source "$repo/tools/fresh-root.sh"
mirror="$(debian_mirror)"

root="$(mktemp -d "${TMPDIR:-/var/tmp}/morvane-$release.XXXXXX")" || exit 1
# It becomes the root folder: everyone may enter it, as the users the packages add must.
chmod 0755 "$root"

# shellcheck disable=SC2317  # run by the EXIT trap
clean_up() {
    if ! release_root "$root"; then
        echo "test-on-fresh-debian.sh: $root still has mounts; left in place" >&2
    elif $keep; then
        echo "test-on-fresh-debian.sh: the root is kept in $root"
    else
        rm -rf "$root"
    fi
}
trap clean_up EXIT
trap 'exit 130' INT TERM

echo "=== A fresh Debian $release root in $root, from $mirror"
start=$SECONDS
if ! debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.debootstrap.log" 2>&1; then
    echo "debootstrap failed:" >&2
    tail -n 20 "$root.debootstrap.log" >&2
    rm -f "$root.debootstrap.log"
    exit 1
fi
rm -f "$root.debootstrap.log"
echo "debootstrap: $((SECONDS - start)) s"

# The root is a mount point of its own, as a machine's root is: inside it, a mount namespace
# can then make its mounts private (tests/install/check-deb-testbed.sh does).
mount --bind "$root" "$root" || exit 1
for point in proc sys dev dev/pts; do
    mount --bind "/$point" "$root/$point" || exit 1
done
# Shared memory of its own, for the X server and the compositor.
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm" 2>/dev/null
cp /etc/resolv.conf "$root/etc/resolv.conf"

git clone --quiet --no-local "$repo" "$root/root/morvane" || exit 1
echo "=== ./test.sh on Debian $release, commit $(git -C "$repo" rev-parse --short HEAD)"
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c 'cd /root/morvane && ./test.sh'
status=$?
echo "=== Debian $release: ./test.sh exited with $status after $((SECONDS - start)) s in all"
exit "$status"
