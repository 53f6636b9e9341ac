#!/bin/sh
# Re-reads the translatable texts of the sources into the .ts catalogues:
# new texts come in unfinished, texts gone from the code are marked vanished,
# translations already made are kept. Fill in the new ones (Qt Linguist or
# any editor), then commit the .ts files. Run from anywhere.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$ROOT"

# The core and the driver: plain C++ whose texts pass i18n::Tr. Tables mark
# theirs with THX_TR_NOOP(context, text).
"$LUPDATE" -silent -locations none -no-obsolete \
  -tr-function-alias QT_TRANSLATE_NOOP+=THX_TR_NOOP,translate+=Tr \
  -source-language zh_CN -target-language en \
  src/core src/cli -ts data/i18n/tharvex_core_en.ts

# The desktop program's own texts: tr() / QCoreApplication::translate with
# the Chinese source texts.
"$LUPDATE" -silent -locations none -no-obsolete \
  -source-language zh_CN -target-language en \
  src/gui -ts data/i18n/tharvex_gui_en.ts

# What is left to translate.
for ts in data/i18n/tharvex_core_en.ts data/i18n/tharvex_gui_en.ts; do
  echo "$ts: $(grep -c 'type="unfinished"' "$ts" || true) unfinished"
done
