#!/usr/bin/env bash
# Sets up, builds and runs every test. Ends with CTest's summary line.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
# The test build treats warnings as errors.
"$root/scripts/build.sh" -DTHARVEX_WERROR=ON
build="${THARVEX_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
