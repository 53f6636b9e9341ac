#include "core/files/ts_catalogue.h"

#include <expat.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace tharvex {

namespace {

// What the parser is inside: only the texts of these elements are kept.
enum class Field { None, ContextName, Source, Translation };

struct ParseState {
  TsCatalogue cat;
  std::string context, source, translation;
  bool unfinished = false;
  bool inMessage = false;
  Field field = Field::None;
};

void XMLCALL Start(void* data, const XML_Char* name, const XML_Char** attrs) {
  auto& s = *static_cast<ParseState*>(data);
  const std::string_view n = name;
  if (n == "context") {
    s.context.clear();
  } else if (n == "name" && !s.inMessage) {
    s.field = Field::ContextName;
  } else if (n == "message") {
    s.inMessage = true;
    s.source.clear();
    s.translation.clear();
    s.unfinished = false;
  } else if (n == "source" && s.inMessage) {
    s.field = Field::Source;
  } else if (n == "translation" && s.inMessage) {
    s.field = Field::Translation;
    for (int i = 0; attrs[i]; i += 2) {
      const std::string_view key = attrs[i], value = attrs[i + 1];
      // "vanished" and "obsolete" entries no longer have a source in the code.
      if (key == "type" && (value == "unfinished" || value == "vanished" || value == "obsolete")) s.unfinished = true;
    }
  }
}

void XMLCALL End(void* data, const XML_Char* name) {
  auto& s = *static_cast<ParseState*>(data);
  const std::string_view n = name;
  if (n == "message") {
    s.inMessage = false;
    ++s.cat.messages;
    if (s.unfinished || s.translation.empty())
      ++s.cat.unfinished;
    else
      s.cat.entries[{s.context, s.source}] = s.translation;
  }
  s.field = Field::None;
}

void XMLCALL Chars(void* data, const XML_Char* text, int len) {
  auto& s = *static_cast<ParseState*>(data);
  const std::string_view t(text, static_cast<size_t>(len));
  switch (s.field) {
    case Field::ContextName:
      s.context += t;
      break;
    case Field::Source:
      s.source += t;
      break;
    case Field::Translation:
      s.translation += t;
      break;
    case Field::None:
      break;
  }
}

}  // namespace

i18n::Translator TsCatalogue::Translator() const {
  auto shared = std::make_shared<const decltype(entries)>(entries);
  return [shared](std::string_view context, std::string_view source) -> std::string {
    auto it = shared->find(std::make_pair(std::string(context), std::string(source)));
    return it == shared->end() ? std::string() : it->second;
  };
}

std::optional<TsCatalogue> ParseTsCatalogue(std::string_view xml, std::string* error) {
  std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"), XML_ParserFree);
  if (!parser) {
    if (error) *error = "cannot create an XML parser";
    return std::nullopt;
  }
  ParseState state;
  XML_SetUserData(parser.get(), &state);
  XML_SetElementHandler(parser.get(), Start, End);
  XML_SetCharacterDataHandler(parser.get(), Chars);
  if (XML_Parse(parser.get(), xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_ERROR) {
    if (error)
      *error = std::string(XML_ErrorString(XML_GetErrorCode(parser.get()))) + " at line " +
               std::to_string(XML_GetCurrentLineNumber(parser.get()));
    return std::nullopt;
  }
  return std::move(state.cat);
}

std::optional<TsCatalogue> ReadTsCatalogue(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot read the translation catalogue " + path;
    return std::nullopt;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::string why;
  auto cat = ParseTsCatalogue(bytes.str(), &why);
  if (!cat && error) *error = "the translation catalogue " + path + " is not valid: " + why;
  return cat;
}

std::string CoreCataloguePath(const std::string& dataDir, std::string_view lang) {
  return dataDir + "/i18n/tharvex_core_" + std::string(lang) + ".ts";
}

bool InstallLanguage(const std::string& dataDir, std::string_view lang, std::string* error) {
  if (lang == "zh") {
    i18n::SetTranslator({});
    i18n::SetLanguage("zh");
    return true;
  }
  auto cat = ReadTsCatalogue(CoreCataloguePath(dataDir, lang), error);
  if (!cat) return false;
  i18n::SetTranslator(cat->Translator());
  i18n::SetLanguage(lang);
  return true;
}

}  // namespace tharvex
