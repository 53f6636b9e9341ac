#!/bin/sh
# Re-reads the translatable texts of the sources into the .ts catalogues:
# new texts come in unfinished, texts gone from the code are marked vanished,
# translations already made are kept. Fill in the new ones (Qt Linguist or
# any editor), then commit the .ts files. Run from anywhere. CORE_TS names
# another file to update (the test that checks the catalogue is current).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$ROOT"

# The core and the driver: plain C++ whose texts pass i18n::Tr. Tables mark
# theirs with THX_TR_NOOP(context, text).
"$LUPDATE" -silent -locations none -no-obsolete \
  -tr-function-alias QT_TRANSLATE_NOOP+=THX_TR_NOOP,translate+=Tr \
  -source-language zh_CN -target-language en \
  src/core src/cli -ts "${CORE_TS:-data/i18n/tharvex_core_en.ts}"

# The desktop program's own texts: tr() / QCoreApplication::translate with the
# Chinese source texts. GUI_TS names another file; a run for the core's
# catalogue alone (CORE_TS set) leaves it out.
if [ -z "${CORE_TS:-}" ] || [ -n "${GUI_TS:-}" ]; then
  "$LUPDATE" -silent -locations none -no-obsolete \
    -source-language zh_CN -target-language en \
    src/gui -ts "${GUI_TS:-data/i18n/tharvex_gui_en.ts}"
fi
