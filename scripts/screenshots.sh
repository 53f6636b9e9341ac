#!/bin/sh
# Remakes the README's screenshots (docs/images/*.png) from a shipped example
# under a virtual X server: the main window, the tube layout drawing and the
# report. Needs xvfb-run, xwininfo and ImageMagick's import (scripts/setup.sh
# installs them) and a built desktop program.
# Usage: scripts/screenshots.sh [path/to/tharvex] [example.zrf]
set -eu
cd "$(dirname "$0")/.."
PROGRAM=${1:-build/src/gui/tharvex}
EXAMPLE=${2:-data/examples/AirCooled-WaterCooler.zrf}
OUT=docs/images
[ -x "$PROGRAM" ] || { echo "screenshots.sh: no program at $PROGRAM (build it first)" >&2; exit 1; }
mkdir -p "$OUT"

# A home of its own: no settings, recent files or running instance of the
# user's get in, and the window opens at its default size.
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
mkdir -m 700 "$SCRATCH/run"

# shoot PAGE NAME LANG: start the program on the example showing PAGE in the
# language of the locale LANG (a first start follows the locale), photograph
# the screen into $OUT/NAME.png, end the program.
cat > "$SCRATCH/shoot.sh" <<'EOF'
set -eu
shoot() {
  LANG="$3" LC_ALL="$3" "$PROGRAM" --page "$1" "$EXAMPLE" &
  pid=$!
  sleep 4
  # The program's own window (the screen around it is empty).
  id=$(xwininfo -root -tree | awk '/Tharvex-\[/ { print $1; exit }')
  import -window "${id:-root}" "$OUT/$2.png"
  kill "$pid"
  wait "$pid" || true
}
shoot main main-window zh_CN.UTF-8
shoot drawing tube-layout zh_CN.UTF-8
shoot report report zh_CN.UTF-8
shoot main main-window-en en_US.UTF-8
shoot report report-en en_US.UTF-8
EOF

HOME="$SCRATCH" XDG_DATA_HOME="$SCRATCH/data" XDG_CONFIG_HOME="$SCRATCH/config" XDG_RUNTIME_DIR="$SCRATCH/run" \
PROGRAM="$(realpath "$PROGRAM")" EXAMPLE="$(realpath "$EXAMPLE")" OUT="$(realpath "$OUT")" \
  xvfb-run -a -s "-screen 0 1600x900x24" sh "$SCRATCH/shoot.sh"
ls -l "$OUT"/*.png
