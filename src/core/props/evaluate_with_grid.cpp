// TFormulaParser::EvaluateWithGrid: single-letter variables taken from a
// variable grid.
#include <string>
#include <vector>

#include "core/fields/i18n.h"
#include "core/props/formula_parser.h"
#include "core/props/my_values.h"

namespace tharvex::props {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Letter {
  size_t pos;
  char name;
};

// Free-standing ASCII letters: no letter on either side, and not the
// exponent mark of a number ("1.5e3").
std::vector<Letter> VariableLetters(std::string_view text, size_t limit) {
  std::vector<Letter> found;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (!IsAsciiLetter(c)) continue;
    if (i > 0 && IsAsciiLetter(text[i - 1])) continue;
    if (i + 1 < text.size() && IsAsciiLetter(text[i + 1])) continue;
    if ((c == 'E' || c == 'e') && i > 0 && IsDigit(text[i - 1])) continue;
    found.push_back({i, c});
    if (found.size() > limit) break;
  }
  return found;
}

}  // namespace

Real TFormulaParser::EvaluateWithGrid(std::string_view text, TMyValues& grid) {
  if (text.empty()) {
    grid.ClearFrom(1);
    return 0;
  }
  if (text.size() > kMaxGridText)
    throw FormulaRangeError(
        i18n::Format(i18n::Tr("Messages", "公式长度超过 %1 个字符"), {std::to_string(kMaxGridText)}));
  std::vector<Letter> letters = VariableLetters(text, kMaxGridLetters);
  if (letters.size() > kMaxGridLetters)
    throw FormulaRangeError(
        i18n::Format(i18n::Tr("Messages", "公式中的变量超过 %1 个"), {std::to_string(kMaxGridLetters)}));

  for (const Letter& l : letters) {
    std::string name(1, l.name);
    if (!grid.HasName(name)) grid.AddVariable(name, "", "", "");
  }
  // A formula without variables blanks the grid (texts rely on this).
  if (letters.empty()) grid.ClearFrom(1);

  std::string out;
  out.reserve(text.size() + 8 * letters.size());
  size_t from = 0;
  for (const Letter& l : letters) {
    out.append(text.substr(from, l.pos - from));
    out.append(grid.GetValue(std::string(1, l.name)));
    from = l.pos + 1;
  }
  out.append(text.substr(from));
  SetExpression(std::move(out));
  return Evaluate();
}

}  // namespace tharvex::props
