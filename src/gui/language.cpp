#include "gui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

#include "core/app/ini_file.h"
#include "core/fields/i18n.h"
#include "core/fields/units.h"
#include "core/output/tube_layout.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

constexpr const char* kSection = "Options";
constexpr const char* kLanguageKey = "Language";
constexpr const char* kUnitSymbolsKey = "UnitSymbols";

int& Generation() {
  static int generation = 0;
  return generation;
}

bool Save(const std::string& settingsFile, const char* key, std::string_view value) {
  if (settingsFile.empty()) return false;
  try {
    IniFile ini = IniFile::Load(settingsFile);
    ini.Write(kSection, key, value);
    ini.Save(settingsFile);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

std::string ReadLanguage(const std::string& settingsFile, const QString& localeName) {
  const std::string saved =
      settingsFile.empty() ? std::string() : IniFile::Load(settingsFile).Read(kSection, kLanguageKey);
  if (saved == kLanguageChinese || saved == kLanguageEnglish) return saved;
  return localeName.startsWith(QLatin1String("zh"), Qt::CaseInsensitive) ? kLanguageChinese : kLanguageEnglish;
}

bool ReadUnitSymbols(const std::string& settingsFile) {
  if (settingsFile.empty()) return true;
  return IniFile::Load(settingsFile).Read(kSection, kUnitSymbolsKey, "1") != "0";
}

bool SaveLanguage(const std::string& settingsFile, std::string_view code) {
  return Save(settingsFile, kLanguageKey, code);
}

bool SaveUnitSymbols(const std::string& settingsFile, bool on) {
  return Save(settingsFile, kUnitSymbolsKey, on ? "1" : "0");
}

QString CatalogueDir(const std::string& dataDir) {
  const QString shipped = Qs(dataDir) + QStringLiteral("/i18n");
  if (!dataDir.empty() && QFileInfo::exists(shipped + QStringLiteral("/tharvex_gui_en.qm"))) return shipped;
  return QStringLiteral(THARVEX_QM_DIR);
}

Translations::Translations() = default;
Translations::~Translations() {
  removeAll();
  i18n::SetTranslator({});
  i18n::SetLanguage(kLanguageChinese);
}

void Translations::removeAll() {
  for (auto* t : {&gui_, &core_, &qt_}) {
    if (*t) QCoreApplication::removeTranslator(t->get());
    t->reset();
  }
}

bool Translations::apply(const std::string& code, const QString& catalogueDir) {
  removeAll();
  bool found = true;
  auto load = [](std::unique_ptr<QTranslator>& t, const QString& name, const QString& dir) {
    t = std::make_unique<QTranslator>();
    if (t->load(name, dir) && QCoreApplication::installTranslator(t.get())) return true;
    t.reset();
    return false;
  };
  if (code == kLanguageEnglish) {
    // Qt's own dialogs speak English without a catalogue.
    found = load(gui_, QStringLiteral("tharvex_gui_en"), catalogueDir);
    found = load(core_, QStringLiteral("tharvex_core_en"), catalogueDir) && found;
    i18n::SetLanguage(kLanguageEnglish);
    i18n::SetTranslator([](std::string_view context, std::string_view source) {
      const std::string ctx(context), src(source);
      return QCoreApplication::translate(ctx.c_str(), src.c_str()).toStdString();
    });
  } else {
    // The source texts are Chinese; Qt's buttons and dialogs follow them.
    load(qt_, QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    i18n::SetLanguage(kLanguageChinese);
    i18n::SetTranslator({});
  }
  BumpDisplayGeneration();
  return found;
}

QString Tq(std::string_view context, std::string_view source) { return Qs(i18n::Tr(context, source)); }

QString ControlText(std::string_view source) {
  if (source.empty() || !i18n::Translating()) return Qs(source);
  for (const char* context : {"Controls", "Items", "Tools", "Props"}) {
    std::string text = i18n::Tr(context, source);
    if (text != source) return Qs(text);
  }
  return Qs(source);
}

QString ItemText(std::string_view name) {
  if (!i18n::Translating()) return Qs(name);
  std::string text = i18n::ShowItem(name);
  return text != name ? Qs(text) : ControlText(name);
}

QString MessageText(std::string_view text, std::string_view context) { return Qs(i18n::TrMessage(text, context)); }

QString DrawingText(std::string_view text) { return Qs(layout::DisplayText(text)); }

QString ShownUnit(std::string_view storedName) { return Qs(DisplayUnit(storedName)); }

int DisplayGeneration() { return Generation(); }
void BumpDisplayGeneration() { ++Generation(); }

}  // namespace tharvex::gui
