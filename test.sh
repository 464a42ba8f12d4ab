#!/usr/bin/env bash
# Sets up what is missing, builds into build/, runs every test and prints a summary.
#
# Stages: the whole suite (build/), whose window tests run offscreen, on Xvfb and on a Weston
# that each Wayland test starts and stops itself (tests/ui/run-on-weston.sh: its own runtime
# folder and socket); the whole suite again with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer (build-asan/); valgrind memcheck over the
# core tests; and a bounded libFuzzer run over the core (build-fuzz/, clang).
set -uo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

tools/ensure-packages.sh "${TEST_PACKAGES[@]}" || exit 1
jobs=$(nproc)
summary=()
failed=0

stage() {
    local name="$1"
    shift
    echo
    echo "=== $name"
    local start=$SECONDS
    if "$@"; then
        summary+=("PASS  $name ($((SECONDS - start)) s)")
    else
        summary+=("FAIL  $name ($((SECONDS - start)) s)")
        failed=$((failed + 1))
    fi
}

build() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -DBUILD_TESTING=ON "$@" >/dev/null && cmake --build "$dir" --parallel "$jobs"
}

suite() {
    # For /usr, as the package is made: the package test then builds it and runs lintian.
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr &&
        ctest --test-dir build --output-on-failure --parallel "$jobs"
}

sanitized_suite() {
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON || return 1
    # Packaging reads the build, not the program's behaviour: the main suite covers it.
    # Qt's Wayland platform loads Mesa's EGL, which this raster-only window never uses and
    # which leaks where LeakSanitizer can no longer name it once unloaded: no EGL driver here.
    __EGL_VENDOR_LIBRARY_FILENAMES=/dev/null \
    ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$PWD/tools/sanitizers/lsan.supp:print_suppressions=0" \
        ctest --test-dir build-asan --output-on-failure --parallel "$jobs" \
        -E '^(install_layout|deb_package)$'
}

memcheck() {
    valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
        build/bin/morvane_core_tests --gtest_brief=1 &&
        valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
            build/bin/morvane_assets_tests --gtest_brief=1
}

fuzz() {
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DMORVANE_BUILD_UI=OFF -DBUILD_TESTING=OFF -DMORVANE_FUZZ=ON >/dev/null &&
        cmake --build build-fuzz --parallel "$jobs" --target morvane_fuzz_actions || return 1
    local scratch
    scratch=$(mktemp -d)
    # New inputs go to a scratch folder; an input that breaks an invariant is kept in
    # fuzz/regressions/, where every build replays it.
    build-fuzz/bin/morvane_fuzz_actions -max_total_time=60 -print_final_stats=1 \
        -artifact_prefix=fuzz/regressions/ "$scratch" fuzz/corpus 2>&1 | tail -n 12
    local status=${PIPESTATUS[0]}
    rm -rf "$scratch"
    return "$status"
}

stage "test suite" suite
stage "test suite under sanitizers" sanitized_suite
stage "valgrind memcheck of the core and artwork tests" memcheck
stage "fuzzing the core for 60 s" fuzz

echo
echo "=== Summary"
printf '%s\n' "${summary[@]}"
echo "stages: $(( ${#summary[@]} - failed )) passed, $failed failed"
[[ $failed -eq 0 ]]
