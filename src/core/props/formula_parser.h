#pragma once
// TFormulaParser: evaluates a formula text while scanning it, character by
// character (recursive descent, no tree). Numbers are long double throughout.
// A bad formula never throws: the first error of an evaluation is kept as a
// numbered code and the evaluation yields 0.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/props/buildin_funcs.h"

namespace tharvex::props {

class TMyValues;

// Raised by EvaluateWithGrid for a text it refuses to evaluate (longer than
// 255 characters, or more than 100 variable letters).
struct FormulaRangeError : std::range_error {
  using std::range_error::range_error;
};

// Range bound of every intermediate result and its derived thresholds.
inline constexpr Real kRangeBound = 9.99999999e37L;
Real LnRangeBound();    // ln L = 87.4982335...
Real SqrtRangeBound();  // sqrt L = 9.999999995e18

class TFormulaParser {
 public:
  static constexpr size_t kMaxGridText = 255;
  static constexpr size_t kMaxGridLetters = 100;
  static constexpr int kMaxNesting = 400;  // parentheses, signs and operands nested this deep: error 10

  TFormulaParser();                        // random generator seeded from the clock
  explicit TFormulaParser(uint64_t seed);  // reproducible RAND and RND
  ~TFormulaParser();
  TFormulaParser(const TFormulaParser&) = delete;
  TFormulaParser& operator=(const TFormulaParser&) = delete;

  // Registry of functions: NAME (upper case) and argument kind, in
  // registration order. A name with a character other than a letter, digit
  // or underscore, or not starting with a letter, is error 12 (and still
  // entered); a name already present is error 30 and is not entered.
  void AddFunction(std::string_view name, int kind, TBuildinFuncs* handlerObject);
  std::vector<std::string> RegistryLines() const;  // "NAME=kind"

  // Message table: one line "code=text" per code.
  void SetErrorMessage(int code, std::string_view text);
  std::string ErrorMessage(int code) const;  // "" for a code without text
  const std::vector<std::string>& MessageLines() const { return tables_->messages; }

  // Only the first error of an evaluation is kept.
  void SetError(int code);
  int ErrorCode() const { return error_; }

  void SetExpression(std::string text);
  const std::string& Expression() const { return expression_; }
  Real Evaluate();

  // Replaces the free-standing letters of `text` by the grid's value texts,
  // adding a row for every letter the grid lacks (or blanking the grid from
  // row 1 when there is none), then evaluates. Throws FormulaRangeError
  // before touching the grid when the text is too long or has too many
  // variable letters.
  Real EvaluateWithGrid(std::string_view text, TMyValues& grid);

  TBuildinFuncs& funcs() { return *funcs_; }

 private:
  struct RegEntry {
    std::string name;
    int kind;
    TBuildinFuncs* object;  // ignored for the built-ins, which call funcs_
    bool builtin = false;
  };
  // The function registry and the message table. Every parser starts from
  // the same built-in tables and copies them only when it changes them, so
  // that a parser made for one formula costs next to nothing.
  struct Tables {
    std::vector<RegEntry> registry;
    std::unordered_map<std::string, size_t> index;
    std::vector<std::string> messages;
  };
  static const std::shared_ptr<Tables>& BuiltinTables();
  Tables& OwnTables();

  void Advance();
  void Skip();
  bool AtEnd() const { return pos_ + 1 >= static_cast<long>(buf_.size()); }
  void Expect(char c);

  Real Expr();
  Real Sum();
  Real Term();
  Real Power();
  Real Factor();
  Real Number();
  Real Call(const std::string& name);
  std::string Literal();

  std::unique_ptr<TBuildinFuncs> funcs_;
  std::shared_ptr<Tables> tables_;
  std::string expression_ = "0";
  int error_ = 0;

  // Scanner state: the text with a NUL appended, the position (-1 before
  // the first character) and the current character, upper-cased.
  std::string buf_;
  long pos_ = -1;
  char ch_ = '\0';
  int depth_ = 0;
  friend struct NestingGuard;
};

}  // namespace tharvex::props
