#!/usr/bin/env bash
# Sets up, builds and runs every test. Then builds the core, the driver and
# their tests with AddressSanitizer and UndefinedBehaviorSanitizer (clang,
# build-asan/) and runs those too: any sanitizer report fails the run. Ends
# with CTest's summary line of the full suite.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
export QT_QPA_PLATFORM=offscreen

# The sanitizer build: no desktop program, no benchmarks.
asan="${THARVEX_ASAN_BUILD_DIR:-$root/build-asan}"
if [[ "${THARVEX_SKIP_SANITIZE:-0}" != 1 ]]; then
  THARVEX_BUILD_DIR="$asan" "$root/scripts/build.sh" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTHARVEX_SANITIZE=ON -DTHARVEX_GUI=OFF -DTHARVEX_BENCH=OFF -DTHARVEX_PYTHON=OFF
  (
    cd "$asan"
    export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    ctest --output-on-failure -j "$(nproc)" --timeout 900
  )
fi

# The test build treats warnings as errors.
"$root/scripts/build.sh" -DTHARVEX_WERROR=ON
build="${THARVEX_BUILD_DIR:-$root/build}"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
