# The Debian packages each task needs; sourced by run.sh and test.sh.
# Names must exist on Debian 12 and Debian 13 alike. Where a package's name carries a version
# that differs between releases, write it with a * (libweston-*-dev): tools/ensure-packages.sh
# takes the newest the running release offers, or whatever matching one is installed.
# shellcheck shell=bash
# shellcheck disable=SC2034
BUILD_PACKAGES=(build-essential cmake pkgconf qt6-base-dev libxcb1-dev fonts-liberation gettext
    po4a)
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev libxcb-xtest0-dev xvfb xauth
    desktop-file-utils appstream file dpkg-dev valgrind clang libclang-rt-dev qt6-base-private-dev
    qt6-gtk-platformtheme fonts-dejavu-extra lintian weston "libweston-*-dev" qt6-wayland
    debhelper devscripts blhc git tidy locales mandoc debootstrap piuparts autopkgtest)
# The benchmarks measure start-up on a desktop's font set: Debian's desktops bring the Noto
# families.
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" xvfb xauth valgrind fonts-noto-core)
