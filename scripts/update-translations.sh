#!/usr/bin/env bash
# Brings the English catalogues up to date with the sources: new texts are
# added unfinished, texts gone from the sources are dropped, translations
# kept. The build compiles the .ts files to .qm (lrelease); run this after
# changing a user-visible text and fill in what lupdate marks unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
common=(-silent -no-obsolete -locations none -source-language zh_CN -target-language en)

# The window's own texts: tr() / QCoreApplication::translate with the Chinese
# source texts.
"$LUPDATE" "${common[@]}" src/gui -ts data/i18n/tharvex_gui_en.ts

# The core's texts: i18n::Tr(context, text) and THX_TR_NOOP in the tables.
"$LUPDATE" "${common[@]}" -tr-function-alias QT_TRANSLATE_NOOP+=THX_TR_NOOP,translate+=Tr \
  src/core -ts data/i18n/tharvex_core_en.ts

# What is left to translate.
for ts in data/i18n/tharvex_gui_en.ts data/i18n/tharvex_core_en.ts; do
  echo "$ts: $(grep -c 'type="unfinished"' "$ts" || true) unfinished"
done
