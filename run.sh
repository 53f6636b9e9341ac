#!/usr/bin/env bash
# Sets up, builds and starts Tharvex.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/build.sh"
build="${THARVEX_BUILD_DIR:-$root/build}"
if [ -x "$build/src/gui/tharvex" ]; then
  exec "$build/src/gui/tharvex" "$@"
else
  exec "$build/src/cli/tharvex-cli" --set Tt1D=20 --dump
fi
