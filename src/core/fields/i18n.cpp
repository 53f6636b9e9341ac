#include "core/fields/i18n.h"

#include <utility>

namespace tharvex::i18n {
namespace {

Translator& Current() {
  static Translator translator;
  return translator;
}

bool& Symbols() {
  static bool on = true;
  return on;
}

std::string& LanguageCode() {
  static std::string code = "zh";
  return code;
}

}  // namespace

void SetLanguage(std::string_view code) { LanguageCode() = code.empty() ? "zh" : std::string(code); }
const std::string& Language() { return LanguageCode(); }

void SetTranslator(Translator translator) { Current() = std::move(translator); }

bool Translating() { return static_cast<bool>(Current()); }

std::string Tr(std::string_view context, std::string_view source) {
  if (const Translator& t = Current()) {
    std::string text = t(context, source);
    if (!text.empty()) return text;
  }
  return std::string(source);
}

void SetUnitSymbols(bool on) { Symbols() = on; }
bool UnitSymbols() { return Symbols(); }

}  // namespace tharvex::i18n
