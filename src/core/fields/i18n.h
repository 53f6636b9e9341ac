#pragma once
// The one place the core's user-visible texts pass on their way out.
//
// Source texts are the Chinese texts as they stand; they are also what
// project files store, so files stay language-neutral. A front end that
// shows another language installs a translator once (the window fills it
// from Qt's translation system, the driver from the shipped catalogue);
// without one every text comes back unchanged.
//
// Where translation happens: the model (controls, list items, status panels,
// messages, memo lines) always holds the Chinese source texts, and code
// compares those. A text is translated only where it leaves the core for a
// person: the window when it shows it, the report, the sheet, the exports
// and the driver's printed output. The contexts:
//   "Controls"  captions, hints, unit labels, tab, group and menu texts, the title
//   "Items"     list items (phases, arrangements, modes, optimiser kinds,
//               methods, material names before the bar: use ShowItem) and
//               the words a result field shows ("热流体")
//   "Messages"  message boxes and their captions, status texts, memo lines,
//               file dialogs, the tools' messages
//   "Units"     Chinese unit names ("根", "无因次"; use DisplayUnit)
//   "Report"    the report's own texts and the correlations' names
//   "Sheet"     the calculation sheet's    "Drawing" the layout's labels
//   "Props"     the property window's      "About"   the about box
//   "Export"    the data exports' texts
//
// What the window does: a caption, hint or unit label through
// Tr("Controls", ...); a list item through ShowItem; a unit selector's items
// through DisplayUnit (instead of GetUnit); a read-only word field (HTsD,
// HTtD) through Tr("Items", ...); status panels, memo lines and message
// texts through TrMessage (message captions through Tr("Messages", ...));
// the form's title through mainwin::ShownTitle; drawing texts through
// layout::DisplayText; the property window's captions through Tr("Props", ...).
// Texts the core composes of parts and shows at once (file dialogs, the
// about box, errors holding a path or a number) are composed translated with
// Format; they hold no Chinese in English, so TrMessage leaves them alone.
//
// Texts kept in tables are marked with THX_TR_NOOP so that lupdate finds
// them (scripts/update-translations.sh runs it with -tr-function-alias
// QT_TRANSLATE_NOOP+=THX_TR_NOOP,translate+=Tr); the table keeps the plain
// text and callers translate when they show it.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#define THX_TR_NOOP(context, text) text

namespace tharvex::i18n {

inline constexpr std::string_view kControls = "Controls";
inline constexpr std::string_view kItems = "Items";
inline constexpr std::string_view kMessages = "Messages";
inline constexpr std::string_view kUnits = "Units";
inline constexpr std::string_view kReport = "Report";
inline constexpr std::string_view kSheet = "Sheet";
inline constexpr std::string_view kProps = "Props";
inline constexpr std::string_view kAbout = "About";
inline constexpr std::string_view kExport = "Export";
inline constexpr std::string_view kDrawing = "Drawing";

using Translator = std::function<std::string(std::string_view context, std::string_view source)>;

// Installs the translator (an empty one restores the source texts).
void SetTranslator(Translator translator);

// The text to show for `source` in `context`; the source when no translator
// is set or it has no entry (it must then return an empty string).
std::string Tr(std::string_view context, std::string_view source);

// True when a translator is installed.
bool Translating();

// `pattern` with %1, %2, ... replaced by the arguments: composed texts are
// written as one translatable pattern, translated when they are composed
// (a composed text cannot be looked up later), so word order can change.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);

// A composed text (a message or status text built from fixed parts, names,
// numbers and paths): the whole text when the catalogue has it, else each
// part between Chinese punctuation and line breaks looked up in `context`,
// then "Controls", "Items" and "Units", and the punctuation written the
// English way. Parts without an entry (a path, a number) stay as they are.
std::string TrMessage(std::string_view text, std::string_view context = kMessages);

// The Chinese punctuation of a text written the English way ("：" as ": ",
// "（" as " (", "，" as ", "), for composed texts of an English output.
std::string WesternPunctuation(std::string_view text);

// A list item as shown: a material item "name<blanks>|conductivity" gets its
// name translated and keeps the bar and the number; other items are looked
// up whole in "Items".
std::string ShowItem(std::string_view item);

// The language the front end shows: "zh" (the default, the source texts) or
// "en". Set together with the translator; the help picks its manual by it.
void SetLanguage(std::string_view code);
const std::string& Language();

// Unit names with their proper symbols ("°C", "m²", "W/(m²·K)") instead of
// the stored plain forms ("C", "m2", "W/(m2.K)"). On by default; the stored
// unit items, factors and indexes never change. DisplayUnit in units.h gives
// the text to show.
void SetUnitSymbols(bool on);
bool UnitSymbols();

// True when the UTF-8 text holds a CJK ideograph or CJK punctuation.
bool HasCjk(std::string_view utf8);

}  // namespace tharvex::i18n
