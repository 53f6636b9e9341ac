#pragma once
// The one place the core's user-visible texts pass on their way out.
//
// Source texts are the Chinese texts as they stand; they are also what
// project files store, so files stay language-neutral. A front end that
// shows another language installs a translator once (the window fills it
// from Qt's translation system, the driver from the shipped catalogue);
// without one every text comes back unchanged.
//
// Texts kept in tables are marked with THX_TR_NOOP so that lupdate finds
// them (it is run with -tr-function-alias QT_TRANSLATE_NOOP+=THX_TR_NOOP,
// translate+=Tr); the table keeps the plain text and callers translate
// when they show it.
#include <functional>
#include <string>
#include <string_view>

#define THX_TR_NOOP(context, text) text

namespace tharvex::i18n {

using Translator = std::function<std::string(std::string_view context, std::string_view source)>;

// Installs the translator (an empty one restores the source texts).
void SetTranslator(Translator translator);

// The text to show for `source` in `context`; the source when no translator
// is set or it has no entry (it must then return an empty string).
std::string Tr(std::string_view context, std::string_view source);

// True when a translator is installed.
bool Translating();

// The language the front end shows: "zh" (the default, the source texts) or
// "en". Set together with the translator; the help picks its manual by it.
void SetLanguage(std::string_view code);
const std::string& Language();

// Unit names with their proper symbols ("°C", "m²", "W/(m²·K)") instead of
// the stored plain forms ("C", "m2", "W/(m2.K)"). On by default; the stored
// unit items, factors and indexes never change.
void SetUnitSymbols(bool on);
bool UnitSymbols();

}  // namespace tharvex::i18n
