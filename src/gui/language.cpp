#include "gui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

#include "core/app/ini_file.h"
#include "core/fields/i18n.h"
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
  const std::string saved = settingsFile.empty() ? std::string() : IniFile::Load(settingsFile).Read(kSection, kLanguageKey);
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
  std::string text = i18n::Tr("Items", name);
  return text != name ? Qs(text) : ControlText(name);
}

QString MessageText(std::string_view text, std::string_view context) { return Tq(context, text); }

QString DrawingText(std::string_view text) { return Tq("Drawing", text); }

QString ShownUnit(std::string_view storedName) {
  const std::string name = i18n::Tr("Units", storedName);
  if (!i18n::UnitSymbols()) return Qs(name);
  if (name == "C") return QStringLiteral("\u00B0C");
  // Powers after a unit letter ("m2" -> "m²"), dots between units as
  // products ("m2.K" -> "m²·K"), the second written "S" as "s".
  auto letter = [](char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); };
  auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
  QString out;
  for (size_t i = 0; i < name.size(); ++i) {
    const char ch = name[i];
    const char before = i > 0 ? name[i - 1] : '\0';
    const char after = i + 1 < name.size() ? name[i + 1] : '\0';
    if ((ch == '2' || ch == '3') && letter(before) && !letter(after) && !digit(after))
      out += ch == '2' ? QChar(0x00B2) : QChar(0x00B3);
    else if (ch == '.' && (letter(before) || before == ')' || digit(before)) && (letter(after) || after == '('))
      out += QChar(0x00B7);
    else if (ch == 'S' && i > 0 && !letter(before) && !letter(after))
      out += QLatin1Char('s');
    else if (static_cast<unsigned char>(ch) >= 0x80)
      return out + Qs(std::string_view(name).substr(i));  // a Chinese name: the rest as it is
    else
      out += QLatin1Char(ch);
  }
  return out;
}

int DisplayGeneration() { return Generation(); }
void BumpDisplayGeneration() { ++Generation(); }

}  // namespace tharvex::gui
