# The Debian packages each task needs; sourced by run.sh and test.sh.
# shellcheck shell=bash
# shellcheck disable=SC2034
BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev libxcb1-dev fonts-liberation)
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" libgtest-dev xvfb xauth desktop-file-utils appstream file dpkg-dev
    valgrind clang libclang-rt-14-dev qt6-base-private-dev fonts-dejavu-extra lintian
    weston libweston-10-dev qt6-wayland)
