#pragma once
// A translation catalogue in Qt's .ts XML form, read without Qt: the driver
// and the Python module install it as the core's translator.
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/fields/i18n.h"

namespace tharvex {

struct TsCatalogue {
  // (context, source) -> translation; unfinished and empty translations are
  // left out, so their source text shows.
  std::map<std::pair<std::string, std::string>, std::string, std::less<>> entries;
  int unfinished = 0;  // messages marked unfinished or without a translation
  int messages = 0;    // every message of the file

  // The translator the hook takes: the entry, or "" when there is none.
  i18n::Translator Translator() const;
};

// Reads a .ts file; nothing with `error` set when it cannot be read or is
// not well-formed XML.
std::optional<TsCatalogue> ReadTsCatalogue(const std::string& path, std::string* error);
std::optional<TsCatalogue> ParseTsCatalogue(std::string_view xml, std::string* error);

// The shipped catalogue of a language in a data folder:
// <dataDir>/i18n/tharvex_core_<lang>.ts.
std::string CoreCataloguePath(const std::string& dataDir, std::string_view lang);

// Sets the language of the core: "zh" restores the source texts; another
// language reads its catalogue from the data folder and installs it.
// False with `error` set when the catalogue cannot be read.
bool InstallLanguage(const std::string& dataDir, std::string_view lang, std::string* error);

}  // namespace tharvex
