#pragma once
// The language the window speaks and how unit names are shown, both kept in
// the settings file. The source texts are Chinese; English comes from the
// compiled catalogues (tharvex_gui_en.qm for the window's own texts,
// tharvex_core_en.qm for the core's), which also feed the core's
// translation hook.
#include <QString>
#include <memory>
#include <string>
#include <string_view>

class QTranslator;

namespace tharvex::gui {

inline constexpr const char* kLanguageChinese = "zh";
inline constexpr const char* kLanguageEnglish = "en";

// "zh" or "en": the settings file's choice, else the locale's (zh* gives
// Chinese, anything else English).
std::string ReadLanguage(const std::string& settingsFile, const QString& localeName);
// Unit names with symbols; on unless the settings file says otherwise.
bool ReadUnitSymbols(const std::string& settingsFile);
// Both return false when the settings file cannot be written.
bool SaveLanguage(const std::string& settingsFile, std::string_view code);
bool SaveUnitSymbols(const std::string& settingsFile, bool on);

// Where the compiled catalogues are: beside the shipped data, else in the
// build tree.
QString CatalogueDir(const std::string& dataDir);

// The translators of one language, installed in the application and in the
// core's hook for as long as the object lives (or until apply() is called
// again with another language).
class Translations {
 public:
  Translations();
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // Installs the catalogues of `code`; false when an English catalogue was
  // not found (the texts then stay Chinese).
  bool apply(const std::string& code, const QString& catalogueDir);

 private:
  void removeAll();
  std::unique_ptr<QTranslator> gui_, core_, qt_;
};

// A core text as the window shows it: through the core's hook, in its
// context ("Controls", "Items", "Units", "Messages", "Props").
QString Tq(std::string_view context, std::string_view source);
// A caption, hint or label text of a control table (the main window's, the
// tools', the property window's) as shown.
QString ControlText(std::string_view source);
// A list item's name (the text before its bar) as shown.
QString ItemText(std::string_view name);
// A message, status text or message-pane line the core composed, as shown.
QString MessageText(std::string_view text, std::string_view context = "Messages");
// A label of the tube drawing or the cross-section as shown.
QString DrawingText(std::string_view text);
// A stored unit name (a unit item's text before its bar) as shown: its
// translation, with symbols when that option is on.
QString ShownUnit(std::string_view storedName);
// Changes whenever language or unit symbols change: widgets that cache shown
// texts compare it to know they must re-fill.
int DisplayGeneration();
void BumpDisplayGeneration();

}  // namespace tharvex::gui
