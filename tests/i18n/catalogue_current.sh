#!/bin/sh
# The English catalogue is current: lupdate run over the sources finds no
# text that is new, gone or untranslated.
set -eu
ROOT=$1
export LUPDATE=$2
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
cp "$ROOT/data/i18n/tharvex_core_en.ts" "$TMP/current.ts"
CORE_TS="$TMP/current.ts" "$ROOT/scripts/update-translations.sh"
if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$TMP/current.ts"; then
  echo "data/i18n/tharvex_core_en.ts misses texts of the sources: run scripts/update-translations.sh and translate them" >&2
  exit 1
fi
if ! diff -u "$ROOT/data/i18n/tharvex_core_en.ts" "$TMP/current.ts"; then
  echo "data/i18n/tharvex_core_en.ts is not as lupdate writes it: run scripts/update-translations.sh" >&2
  exit 1
fi
