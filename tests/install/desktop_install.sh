#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the desktop integration
# as a file manager would see it: the entry validates, and with the prefix's
# MIME database a .zrf or .zrt file is a Tharvex project or template.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/tharvex bin/tharvex-cli share/tharvex/data/PropLib.cds share/tharvex/data/templates/Default.zrt \
         share/tharvex/data/manual/manual.md share/tharvex/data/manual/manual_en.md \
         share/icons/hicolor/scalable/apps/tharvex.svg \
         share/applications/tharvex.desktop share/mime/packages/tharvex.xml; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/tharvex.desktop"
grep -q '^Name\[zh_CN\]=箱式换热器热力计算$' "$prefix/share/applications/tharvex.desktop"

update-mime-database "$prefix/share/mime"
cp "$prefix/share/tharvex/data/templates/Default.zrt" "$prefix/p.zrt"
cp "$prefix/share/tharvex/data/templates/Default.zrt" "$prefix/p.zrf"
query() {
  env XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$prefix/nohome" XDG_CURRENT_DESKTOP=GNOME \
    xdg-mime query filetype "$1"
}
[ "$(query "$prefix/p.zrf")" = "application/x-tharvex-project" ] || { echo "zrf: $(query "$prefix/p.zrf")"; exit 1; }
[ "$(query "$prefix/p.zrt")" = "application/x-tharvex-template" ] || { echo "zrt: $(query "$prefix/p.zrt")"; exit 1; }

# The installed driver finds its data and reports the build's version.
"$prefix/bin/tharvex-cli" --version | grep -q '^Tharvex '
"$prefix/bin/tharvex-cli" --open "$prefix/share/tharvex/data/examples/AirCooler-Example.zrf" --dump >/dev/null
echo "installed tree ok"
