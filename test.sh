#!/usr/bin/env bash
# Sets up what is missing, builds, runs every test and prints a summary.
#   ./test.sh           every stage below
#   ./test.sh --quick   the first stage only: the edit-and-test loop
#
# Stages: the whole suite (build-test/), whose window tests run offscreen, on Xvfb and on a Weston
# that each Wayland test starts and stops itself (tests/ui/run-on-weston.sh: its own runtime
# folder and socket); the Debian package, built twice with dpkg-buildpackage and checked
# (tests/install/check-deb-package.sh), then installed in fresh roots of this machine's release
# by piuparts and by autopkgtest, which runs debian/tests (tests/install/check-deb-testbed.sh,
# as root through sudo); the whole suite again with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer (build-asan/); valgrind memcheck over the
# core tests; and a bounded libFuzzer run over the core (build-fuzz/, clang).
set -uo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

quick=false
case "${1:-}" in
    "") ;;
    --quick) quick=true ;;
    *)
        echo "usage: $0 [--quick]" >&2
        exit 2
        ;;
esac

jobs=$(nproc)
summary=()
failed=0

print_summary() {
    echo
    echo "=== Summary"
    printf '%s\n' "${summary[@]}"
    echo "stages: $(( ${#summary[@]} - failed )) passed, $failed failed"
}

if ! tools/ensure-packages.sh "${TEST_PACKAGES[@]}"; then
    summary+=("FAIL  installing the packages the tests need (tools/packages.sh)")
    failed=1
    print_summary
    exit 1
fi

stage() {
    local name="$1"
    shift
    echo
    echo "=== $name"
    local start=$SECONDS
    tests_run=""
    if "$@"; then
        summary+=("PASS  $name ($((SECONDS - start)) s)${tests_run:+; $tests_run}")
    else
        summary+=("FAIL  $name ($((SECONDS - start)) s)${tests_run:+; $tests_run}")
        failed=$((failed + 1))
    fi
}

# Every test family runs here: the configure stops when one would be left out (its summary
# says which and why), and -Werror holds the project's code to its warnings.
build() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -DBUILD_TESTING=ON -DMORVANE_WERROR=ON -DMORVANE_REQUIRE_ALL_TESTS=ON \
        "$@" && cmake --build "$dir" --parallel "$jobs"
}

# ctest, failing also when any test did not run: a skip here is a test left out in silence.
run_tests() {
    local log status
    log="$(mktemp)"
    ctest "$@" --output-on-failure --parallel "$jobs" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    tests_run="$(sed -nE 's/.* ([0-9]+) tests? failed out of ([0-9]+)$/\2 tests, \1 failed/p' "$log" |
        tail -n 1)"
    if grep -q 'The following tests did not run' "$log"; then
        echo "error: some tests did not run; on this machine every test must" >&2
        status=1
    fi
    rm -f "$log"
    return "$status"
}

suite() {
    # For /usr, as the package is made, with the benchmarks, which must keep building.
    build build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
        -DMORVANE_BUILD_BENCHMARKS=ON && run_tests --test-dir build-test
}

# The suite has run: the package is built without it, twice, and checked. It is kept in
# build-deb/ for the next stage.
debian_package() {
    rm -rf build-deb
    tests/install/check-deb-package.sh . build-deb
}

# The package as Debian's CI and QA test one, in fresh roots of this release.
debian_testbed() {
    local debs=(build-deb/morvane_*.deb)
    if [[ ! -f "${debs[0]}" ]]; then
        echo "no package in build-deb/: the package stage did not pass"
        return 1
    fi
    tests/install/check-deb-testbed.sh . "${debs[0]}"
}

sanitized_suite() {
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON -DCMAKE_INSTALL_PREFIX=/usr ||
        return 1
    # Packaging reads the build, not the program's behaviour: the main suite covers it.
    # Qt's Wayland platform loads Mesa's EGL, which this raster-only window never uses and
    # which leaks where LeakSanitizer can no longer name it once unloaded: no EGL driver here.
    __EGL_VENDOR_LIBRARY_FILENAMES=/dev/null \
    ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$PWD/tools/sanitizers/lsan.supp:print_suppressions=0" \
        run_tests --test-dir build-asan -E '^install_layout$'
}

memcheck() {
    valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
        build-test/bin/morvane_core_tests --gtest_brief=1 &&
        valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
            build-test/bin/morvane_assets_tests --gtest_brief=1
}

fuzz() {
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DMORVANE_BUILD_UI=OFF -DBUILD_TESTING=OFF -DMORVANE_FUZZ=ON -DMORVANE_WERROR=ON >/dev/null &&
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
if ! $quick; then
    stage "Debian package: built twice, linted, hardened, reproducible" debian_package
    stage "Debian package in fresh roots: piuparts, autopkgtest as root and as a user" \
        debian_testbed
    stage "test suite under sanitizers" sanitized_suite
    stage "valgrind memcheck of the core and artwork tests" memcheck
    stage "fuzzing the core for 60 s" fuzz
fi

print_summary
[[ $failed -eq 0 ]]
