#!/usr/bin/env bash
# Builds the Debian package from the build folder $1 and checks what is inside:
# the programs, data, manual, desktop entry, Python module and manual page,
# then unpacks it and runs the driver and the module from the unpacked tree.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  exit 1
}
deb="$(ls "$work"/out/*.deb)"
dpkg-deb --contents "$deb" >"$work/contents"
missing=0
for path in ./usr/bin/tharvex ./usr/bin/tharvex-cli ./usr/share/tharvex/data/PropLib.cds \
  ./usr/share/tharvex/data/manual/manual.md ./usr/share/tharvex/data/manual/manual_en.md \
  ./usr/share/tharvex/data/templates/Default.zrt \
  ./usr/share/applications/tharvex.desktop ./usr/share/icons/hicolor/scalable/apps/tharvex.svg \
  ./usr/share/mime/packages/tharvex.xml ./usr/share/man/man1/tharvex-cli.1.gz \
  ./usr/share/tharvex/data/i18n/tharvex_gui_en.qm ./usr/share/tharvex/data/i18n/tharvex_core_en.qm \
  ./usr/share/tharvex/data/i18n/tharvex_core_en.ts; do
  if ! grep -q " $path\$" "$work/contents"; then
    echo "missing in the package: $path"
    missing=1
  fi
done
if ! grep -qE ' \./usr/lib/python3/dist-packages/tharvex\..*\.so$' "$work/contents"; then
  echo "missing in the package: the Python module"
  missing=1
fi
dpkg-deb --field "$deb" Depends | tee "$work/depends"
grep -q "libc6" "$work/depends" || { echo "Depends has no computed library dependencies"; missing=1; }
[ "$missing" -eq 0 ] || exit 1

# The unpacked programs find their data beside them, as installed ones do.
dpkg-deb -x "$deb" "$work/root"
root="$work/root/usr"
"$root/bin/tharvex-cli" --open "$root/share/tharvex/data/templates/Default.zrt" --set WsD=5 --dump >"$work/dump.json"
grep -q '"WsD"' "$work/dump.json"
PYTHONPATH="$root/lib/python3/dist-packages" "${2:-python3}" -c '
import tharvex
p = tharvex.Project()
p.set("WsD", "5")
assert p["WsD"].value == 5.0
'
echo "package ok: $(basename "$deb")"
