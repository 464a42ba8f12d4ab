# shellcheck shell=bash
# Shared by the scripts that make throw-away Debian roots with debootstrap
# (tools/test-on-fresh-debian.sh, tests/install/check-deb-testbed.sh); sourced, not run.

# The archive this machine installs its own release from: the roots come from it too.
debian_mirror() {
    local codename mirror
    # shellcheck disable=SC1091  # the machine's own
    codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
    # shellcheck disable=SC2016  # apt's own format
    mirror="$(apt-get indextargets --format '$(RELEASE) $(SITE)' 2>/dev/null |
        awk -v release="$codename" '$1 == release { print $2; exit }')"
    echo "${mirror:-http://deb.debian.org/debian}"
}

# The mount points at DIR and below it.
mounts_under() {
    awk -v dir="$1" '$2 == dir || index($2, dir "/") == 1 { print $2 }' /proc/mounts
}

# Ends what still runs inside DIR (a server, a compositor a test left), whose mounts would
# otherwise stay busy, then undoes every mount under DIR, deepest first. Fails when a mount
# is left: DIR must then not be removed, as it could hold the machine's own /dev.
release_root() {
    local dir="$1" process point
    for process in /proc/[0-9]*; do
        [[ "$(readlink "$process/root" 2>/dev/null)" == "$dir"* ]] &&
            kill -KILL "${process#/proc/}" 2>/dev/null
    done
    mounts_under "$dir" | sort -r | while read -r point; do
        umount "$point" 2>/dev/null || umount -l "$point"
    done
    [[ -z "$(mounts_under "$dir")" ]]
}
