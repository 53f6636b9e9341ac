#include "core/fields/i18n.h"

#include <array>
#include <utility>
#include <vector>

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

// Chinese punctuation that joins the parts of a composed text, and how an
// English text writes it.
struct Joint {
  std::string_view zh;
  std::string_view en;
};
constexpr std::array<Joint, 12> kJoints{{{"：", ": "},
                                         {"（", " ("},
                                         {"）", ")"},
                                         {"，", ", "},
                                         {"；", "; "},
                                         {"。", ". "},
                                         {"！", "!"},
                                         {"“", "\""},
                                         {"”", "\""},
                                         {"、", ", "},
                                         {"\n", "\n"},
                                         {"  ", "  "}}};

const Joint* JointAt(std::string_view text, size_t at) {
  for (const Joint& j : kJoints)
    if (text.substr(at, j.zh.size()) == j.zh) return &j;
  return nullptr;
}

// The translation of `source` in the first context that has one: the one
// asked for, then the others (a message names captions, items and units).
bool Lookup(std::string_view source, std::string_view context, std::string* out) {
  if (source.empty()) return false;
  for (std::string_view ctx :
       {context, kMessages, kControls, kItems, kUnits, kReport, kSheet, kDrawing, kProps, kExport, kAbout}) {
    std::string t = Tr(ctx, source);
    if (t != source) {
      *out = std::move(t);
      return true;
    }
  }
  return false;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// One part between joints: whole, else the longest runs of its words that
// have an entry ("kf: 标准方法 低翅片 [超出适用范围]").
std::string TranslatePart(std::string_view part, std::string_view context) {
  std::string_view core = Trim(part);
  std::string lead(part.substr(0, static_cast<size_t>(core.data() - part.data())));
  std::string tail(part.substr(lead.size() + core.size()));
  std::string t;
  if (Lookup(core, context, &t)) return lead + t + tail;
  if (!HasCjk(core) || core.find(' ') == std::string_view::npos) return std::string(part);
  std::vector<std::string_view> words;
  for (size_t start = 0; start <= core.size();) {
    size_t space = core.find(' ', start);
    if (space == std::string_view::npos) space = core.size();
    words.push_back(core.substr(start, space - start));
    start = space + 1;
  }
  std::string out = lead;
  for (size_t i = 0; i < words.size();) {
    size_t j = words.size();
    for (; j > i + 1; --j) {
      const std::string_view run(words[i].data(), static_cast<size_t>(words[j - 1].end() - words[i].begin()));
      if (Lookup(run, context, &t)) break;
    }
    if (j == i + 1 && !Lookup(words[i], context, &t)) t = std::string(words[i]);
    if (i > 0) out += ' ';
    out += t;
    i = j;
  }
  return out + tail;
}

// Splits at line breaks and at the two blanks between the warnings of a
// status panel; each piece is looked up whole before it is taken apart.
std::string TranslatePieces(std::string_view text, std::string_view context);

std::string TranslateJoined(std::string_view text, std::string_view context) {
  std::string whole;
  if (Lookup(text, context, &whole)) return whole;
  for (std::string_view gap : {std::string_view("\n"), std::string_view("  ")}) {
    const size_t at = text.find(gap);
    if (at == std::string_view::npos || Trim(text.substr(0, at)).empty()) continue;
    return TranslateJoined(text.substr(0, at), context) + std::string(gap) +
           TranslateJoined(text.substr(at + gap.size()), context);
  }
  return TranslatePieces(text, context);
}

std::string TranslatePieces(std::string_view text, std::string_view context) {
  std::string out;
  size_t start = 0;
  size_t i = 0;
  while (i <= text.size()) {
    const Joint* j = i < text.size() ? JointAt(text, i) : nullptr;
    if (i < text.size() && (!j || j->zh == "\n" || j->zh == "  ")) {
      ++i;
      continue;
    }
    std::string_view part = text.substr(start, i - start);
    std::string t;
    // A part written with its joint ("无法识别的输入：") is looked up with it.
    if (j && !Trim(part).empty() && Lookup(std::string(Trim(part)) + std::string(j->zh), context, &t)) {
      out += t;
    } else {
      out += TranslatePart(part, context);
      if (j) out += j->en;
    }
    if (!j) break;
    i += j->zh.size();
    start = i;
  }
  return out;
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

std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t n = static_cast<size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
      out += *(args.begin() + n);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string TrMessage(std::string_view text, std::string_view context) {
  if (!Translating() || !HasCjk(text)) return std::string(text);
  std::string out = TranslateJoined(text, context);
  while (!out.empty() && out.back() == ' ' && text.back() != ' ') out.pop_back();
  return out;
}

std::string WesternPunctuation(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const Joint* j = JointAt(text, i);
    if (j && j->zh != j->en) {
      // No blank before a closing mark or after an opening one.
      if (!j->en.empty() && j->en.front() == ' ' && (out.empty() || out.back() == ' ' || out.back() == '\n'))
        out += j->en.substr(1);
      else
        out += j->en;
      i += j->zh.size();
      while (i < text.size() && text[i] == ' ' && !j->en.empty() && j->en.back() == ' ') ++i;
    } else {
      out += text[i];
      ++i;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string ShowItem(std::string_view item) {
  size_t bar = item.find('|');
  if (bar == std::string_view::npos) return Tr(kItems, item);
  std::string_view name = Trim(item.substr(0, bar));
  std::string shown = Tr(kItems, name);
  if (shown == name) return std::string(item);
  shown += "  ";
  shown += item.substr(bar);
  return shown;
}

void SetUnitSymbols(bool on) { Symbols() = on; }
bool UnitSymbols() { return Symbols(); }

bool HasCjk(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if ((c & 0xF0) != 0xE0 || i + 2 >= utf8.size()) continue;
    const unsigned cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                        (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
    // CJK punctuation, ideographs (with extension A) and full-width forms.
    if ((cp >= 0x3000 && cp <= 0x303F) || (cp >= 0x3400 && cp <= 0x9FFF) || (cp >= 0xFF00 && cp <= 0xFFEF)) return true;
  }
  return false;
}

}  // namespace tharvex::i18n
