#include "core/props/formula_parser.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <chrono>
#include <cmath>

#include "core/fields/i18n.h"

namespace tharvex::props {

Real LnRangeBound() {
  static const Real v = std::log(kRangeBound);
  return v;
}
Real SqrtRangeBound() {
  static const Real v = std::sqrt(kRangeBound);
  return v;
}

namespace {

struct MessageDef {
  int code;
  const char* text;
};

const MessageDef kMessages[] = {
    {0, THX_TR_NOOP("Messages", "结果正确")},
    {1, THX_TR_NOOP("Messages", "无效的数字")},
    {2, THX_TR_NOOP("Messages", "未知的函数")},
    {3, THX_TR_NOOP("Messages", "( ) 不匹配")},
    {4, "Real exponent -> complex number"},
    {5, "TAN( (2n+1)*PI/2 ) not defined"},
    {6, THX_TR_NOOP("Messages", "空字符串")},
    {7, "LN(x) or LOG(x) for x<=0 -> complex number"},
    {8, "SQRT(x) for x<0 -> complex number"},
    {9, THX_TR_NOOP("Messages", "被0除")},
    {10, THX_TR_NOOP("Messages", "函数或常量太多")},
    {11, "Intermediate result out of range"},
    {12, THX_TR_NOOP("Messages", "函数名称中有无效的字符")},
    {13, THX_TR_NOOP("Messages", "非布尔表达式")},
    {14, THX_TR_NOOP("Messages", "参数数目不正确")},
    {17, "Csc( n*PI ) not defined"},
    {18, "Sec( (2n+1)*PI/2 ) not defined"},
    {19, "Cot( n*PI ) not defined"},
    {20, "Parameter to large"},
    {21, "Csch(0) not defined"},
    {22, "Coth(0) not defined"},
    {23, "ArcCosh(x) not defined for x<1"},
    {24, "ArcTanh(x) not defined for Abs(x)=>1"},
    {25, "Arccsch(0) not defined"},
    {26, "Arcsech(x) not defined for x<=0 or x>1"},
    {27, "Arccoth(x) not defined for Abs(x)<=1"},
    {28, "Average not defined for zero items"},
    {29, "Standard deviation not defined for less than two items"},
    {30, THX_TR_NOOP("Messages", "函数已存在")},
    {32, "Function not fully implemented yet"},
    {33, THX_TR_NOOP("Messages", "遗失字符串引用")},
    {34, THX_TR_NOOP("Messages", "字符串引用结束符不匹配!")},
    {35, "if needs exact 3 parameters"},
    {36, THX_TR_NOOP("Messages", "条件表达式值应为\"是\"或\"否\"")},
    {37, "RND range to large"},
    {38, THX_TR_NOOP("Messages", "函数名不存在!")},
    {39, THX_TR_NOOP("Messages", "未发现对象!")},
};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsBool(Real v) { return v == 0 || v == 1; }

std::string CodePrefix(int code) { return std::to_string(code) + "="; }

uint64_t ClockSeed() {
  return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

// Counts how deeply the grammar has recursed; beyond the bound the text is
// refused with error 10 instead of exhausting the stack.
struct NestingGuard {
  explicit NestingGuard(TFormulaParser& p) : p_(p) {
    if (++p_.depth_ > TFormulaParser::kMaxNesting) p_.SetError(10);
  }
  ~NestingGuard() { --p_.depth_; }
  TFormulaParser& p_;
};

TFormulaParser::TFormulaParser() : TFormulaParser(ClockSeed()) {}

TFormulaParser::TFormulaParser(uint64_t seed)
    : funcs_(std::make_unique<TBuildinFuncs>(seed)), tables_(BuiltinTables()) {}

TFormulaParser::~TFormulaParser() = default;

const std::shared_ptr<TFormulaParser::Tables>& TFormulaParser::BuiltinTables() {
  static const std::shared_ptr<Tables> builtin = [] {
    auto t = std::make_shared<Tables>();
    for (const auto& m : kMessages) t->messages.push_back(CodePrefix(m.code) + m.text);
    for (const auto& e : TBuildinFuncs::Entries()) {
      std::string upper;
      for (char ch : std::string_view(e.name)) upper.push_back(Upper(ch));
      if (t->index.count(upper)) continue;  // a name is entered once
      t->index[upper] = t->registry.size();
      t->registry.push_back({upper, e.kind, nullptr, true});
    }
    return t;
  }();
  return builtin;
}

TFormulaParser::Tables& TFormulaParser::OwnTables() {
  // Shared with the built-in copy (which always keeps one reference): copy
  // before the first change.
  if (tables_.use_count() > 1) tables_ = std::make_shared<Tables>(*tables_);
  return *tables_;
}

void TFormulaParser::AddFunction(std::string_view name, int kind, TBuildinFuncs* handlerObject) {
  std::string upper;
  for (char c : name) upper.push_back(Upper(c));
  bool valid = !upper.empty() && IsUpperLetter(upper[0]);
  for (char c : upper)
    if (!IsUpperLetter(c) && !IsDigit(c) && c != '_') valid = false;
  if (!valid) SetError(12);
  if (tables_->index.count(upper)) {
    SetError(30);
    return;
  }
  Tables& t = OwnTables();
  t.index[upper] = t.registry.size();
  t.registry.push_back({upper, kind, handlerObject, false});
}

std::vector<std::string> TFormulaParser::RegistryLines() const {
  std::vector<std::string> lines;
  for (const auto& e : tables_->registry) lines.push_back(e.name + "=" + std::to_string(e.kind));
  return lines;
}

void TFormulaParser::SetErrorMessage(int code, std::string_view text) {
  std::string prefix = CodePrefix(code);
  for (auto& line : OwnTables().messages) {
    if (line.compare(0, prefix.size(), prefix) == 0) {
      line = prefix + std::string(text);
      return;
    }
  }
  OwnTables().messages.push_back(prefix + std::string(text));
}

std::string TFormulaParser::ErrorMessage(int code) const {
  std::string prefix = CodePrefix(code);
  for (const auto& line : tables_->messages)
    if (line.compare(0, prefix.size(), prefix) == 0) return line.substr(prefix.size());
  return {};
}

void TFormulaParser::SetError(int code) {
  if (error_ == 0) error_ = code;
}

void TFormulaParser::SetExpression(std::string text) {
  error_ = 0;
  expression_ = std::move(text);
}

// --- scanner ---

void TFormulaParser::Advance() {
  if (!AtEnd()) ++pos_;
  ch_ = Upper(buf_[static_cast<size_t>(pos_)]);
}

void TFormulaParser::Skip() {
  do {
    Advance();
  } while (ch_ == ' ');
}

void TFormulaParser::Expect(char c) {
  if (error_ == 0 && ch_ != c) SetError(14);
  Skip();
}

Real TFormulaParser::Evaluate() {
  error_ = 0;
  depth_ = 0;
  // Parentheses are counted over the whole text, string literals included.
  long balance = 0;
  for (char c : expression_) {
    if (c == '(')
      ++balance;
    else if (c == ')')
      --balance;
  }
  if (balance != 0) {
    SetError(3);
    return 0;
  }
  buf_ = expression_;
  buf_.push_back('\0');
  pos_ = -1;
  Skip();
  if (ch_ == '\0' && AtEnd()) {
    SetError(6);
    return 0;
  }
  Real v = Expr();
  if (error_) return 0;
  // The caller keeps a double: nothing beyond its range (or not a number)
  // may leave the parser.
  if (!std::isfinite(v) || std::fabs(v) > DBL_MAX) {
    SetError(11);
    return 0;
  }
  return v;
}

// --- grammar, loosest level first ---

// Expression: a Sum, then at most one logical or comparison operator.
Real TFormulaParser::Expr() {
  NestingGuard guard(*this);
  if (error_) return 0;
  Real a = Sum();
  if (error_) return 0;
  switch (ch_) {
    case '&':
    case '|': {
      // The right operand is a whole Expression: groups to the right.
      char op = ch_;
      Skip();
      Real b = Expr();
      if (error_) return 0;
      if (!IsBool(a) || !IsBool(b)) {
        SetError(13);
        return 0;
      }
      return op == '&' ? (a == 1 && b == 1) : (a == 1 || b == 1);
    }
    case '<': {
      Skip();
      char op = '<';
      if (ch_ == '=') {
        op = 'l';  // <=
        Skip();
      } else if (ch_ == '>') {
        op = 'n';  // <>
        Skip();
      }
      Real b = Sum();
      if (error_) return 0;
      if (op == 'l') return a <= b;
      if (op == 'n') return a != b;
      return a < b;
    }
    case '>': {
      Skip();
      bool orEqual = false;
      if (ch_ == '=') {
        orEqual = true;
        Skip();
      }
      Real b = Sum();
      if (error_) return 0;
      return orEqual ? a >= b : a > b;
    }
    case '=': {
      Skip();
      Real b = Sum();
      if (error_) return 0;
      return a == b;
    }
    default:
      return a;
  }
}

// Sum: Terms joined by + and -, each result checked against the range bound.
Real TFormulaParser::Sum() {
  Real a = Term();
  if (error_) return 0;
  while (ch_ == '+' || ch_ == '-') {
    char op = ch_;
    Skip();
    Real b = Term();
    if (error_) return 0;
    if (op == '+') {
      if (!(std::fabs(a / 10 + b / 10) < kRangeBound / 10)) {
        SetError(11);
        return 0;
      }
      a = a + b;
    } else {
      if (!(std::fabs(a / 10 - b / 10) < kRangeBound / 10)) {
        SetError(11);
        return 0;
      }
      Real d = a - b;
      if (d == 0 && a != b) {  // the difference vanished below the smallest number
        SetError(11);
        return 0;
      }
      a = d;
    }
  }
  // Only these may follow a sum; anything else (such as "2 3" or "2PI") is
  // an operand where an operator belongs.
  switch (ch_) {
    case '\0':
    case '&':
    case ')':
    case ',':
    case '<':
    case '=':
    case '>':
    case '|':
      return a;
    default:
      SetError(2);
      return 0;
  }
}

// Term: Powers joined by * and /; magnitudes are checked through logarithms
// so that no product can overflow before the check.
Real TFormulaParser::Term() {
  Real a = Power();
  if (error_) return 0;
  while (ch_ == '*' || ch_ == '/') {
    char op = ch_;
    Skip();
    Real b = Power();
    if (error_) return 0;
    if (op == '*') {
      if (a == 0 || b == 0) {
        a = 0;
      } else if (std::fabs(std::log(std::fabs(a)) + std::log(std::fabs(b))) >= LnRangeBound()) {
        SetError(11);
        return 0;
      } else {
        a = a * b;
      }
    } else {
      if (b == 0) {
        SetError(9);
        return 0;
      }
      if (a == 0) continue;
      if (std::fabs(std::log(std::fabs(a)) - std::log(std::fabs(b))) >= LnRangeBound()) {
        SetError(11);
        return 0;
      }
      a = a / b;
    }
  }
  return a;
}

// Power: Factors joined by ^, grouping to the left (2^3^2 is 64).
Real TFormulaParser::Power() {
  Real a = Factor();
  if (error_) return 0;
  while (ch_ == '^') {
    Skip();
    Real y = Factor();
    if (error_) return 0;
    if (a == 0) continue;  // 0 to any power is 0
    Real l = y * std::log(std::fabs(a));
    if (!(l <= LnRangeBound())) {
      SetError(11);
      return 0;
    }
    Real r = std::exp(l);
    if (a < 0) {
      // A negative base needs a whole exponent; an odd one keeps the sign.
      if (y != std::trunc(y)) {
        SetError(4);
        return 0;
      }
      if (std::fmod(y, 2.0L) != 0) r = -r;
    }
    a = r;
  }
  return a;
}

// Factor: parenthesised expression, signed factor, number or identifier.
Real TFormulaParser::Factor() {
  NestingGuard guard(*this);
  if (error_) return 0;
  if (ch_ == '(') {
    Skip();
    Real v = Expr();
    if (error_) return 0;
    if (ch_ != ')') {
      SetError(3);
      return 0;
    }
    Skip();
    return v;
  }
  if (ch_ == '+' || ch_ == '-') {
    // A sign binds to the next character: "- 5" is an error.
    bool negate = ch_ == '-';
    Advance();
    Real v = Factor();
    if (error_) return 0;
    return negate ? -v : v;
  }
  if (ch_ == '.' || IsDigit(ch_)) return Number();
  if (IsUpperLetter(ch_)) {
    // Blanks inside an identifier are skipped: "S I N" is SIN.
    std::string name(1, ch_);
    Skip();
    while (IsUpperLetter(ch_) || IsDigit(ch_) || ch_ == '_') {
      name.push_back(ch_);
      Skip();
    }
    return Call(name);
  }
  SetError(2);
  return 0;
}

// Number: digits, points and E (with one sign after it) as they come.
Real TFormulaParser::Number() {
  std::string s;
  if (ch_ == '.')
    s = "0.";
  else
    s.push_back(ch_);
  Advance();
  while (ch_ == '.' || IsDigit(ch_) || ch_ == 'E') {
    if (ch_ == 'E') {
      if (s.back() == '.') s.push_back('0');  // "1.E3" reads as "1.0E3"
      s.push_back('E');
      Advance();
      if (ch_ == '+' || ch_ == '-') {
        s.push_back(ch_);
        Advance();
      }
      continue;
    }
    s.push_back(ch_);
    Advance();
  }
  while (ch_ == ' ') Advance();
  if (s.back() == '.' && s.find('E') == std::string::npos) s.push_back('0');

  // Decimal syntax: digits [. digits] [E [sign] digits].
  size_t i = 0, n = s.size();
  size_t mantissaDigits = 0;
  while (i < n && IsDigit(s[i])) ++i, ++mantissaDigits;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && IsDigit(s[i])) ++i, ++mantissaDigits;
  }
  bool valid = mantissaDigits > 0;
  if (valid && i < n && s[i] == 'E') {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < n && IsDigit(s[i])) ++i, ++expDigits;
    valid = expDigits > 0;
  }
  valid = valid && i == n;
  Real v = 0;
  if (valid) {
    auto res = std::from_chars(s.data(), s.data() + n, v);
    valid = res.ec == std::errc() && res.ptr == s.data() + n;
  }
  if (!valid) {
    SetError(1);
    return 0;
  }
  return v;
}

// A string literal in " or ': blanks are dropped and letters arrive upper-cased.
std::string TFormulaParser::Literal() {
  std::string s;
  if (ch_ != '"' && ch_ != '\'') {
    SetError(33);
    return s;
  }
  char quote = ch_;
  Skip();
  while (ch_ != quote) {
    if (ch_ == '\0') {
      SetError(34);
      return s;
    }
    s.push_back(ch_);
    Skip();
  }
  return s;
}

// Function call: reads the arguments the function's kind prescribes.
Real TFormulaParser::Call(const std::string& name) {
  auto it = tables_->index.find(name);
  if (it == tables_->index.end()) {
    SetError(38);
    return 0;
  }
  const RegEntry& e = tables_->registry[it->second];
  FuncArgs args;
  switch (e.kind) {
    case 0:
      if (ch_ == '(') {
        Skip();
        Expect(')');
      }
      break;
    case 1:
    case 2:
    case 3:
      if (ch_ != '(') {
        SetError(14);
        return 0;
      }
      Skip();
      if (e.kind == 1) {
        args.x = Expr();
      } else if (e.kind == 2) {
        args.x = Expr();
        Expect(',');
        if (error_) return 0;
        args.y = Expr();
      } else {
        args.items.push_back(Expr());
        if (error_ == 0 && ch_ != ',') SetError(14);  // a list has two items at least
        while (error_ == 0 && ch_ == ',') {
          Skip();
          args.items.push_back(Expr());
        }
        args.last = static_cast<int>(args.items.size()) - 1;
      }
      Expect(')');
      break;
    case 8:
      if (ch_ == '(') {
        Skip();
        args.s1 = Literal();
        if (error_) return 0;
        Skip();  // the closing quote
        Skip();  // the closing parenthesis, unchecked
      }
      break;
    case 9:
      if (ch_ != '(') {
        SetError(14);
        return 0;
      }
      Skip();
      args.s1 = Literal();
      if (error_) return 0;
      Skip();
      if (ch_ != ',') {
        SetError(14);
        return 0;
      }
      Skip();
      args.s2 = Literal();
      if (error_) return 0;
      Skip();
      Expect(')');
      break;
    default:
      SetError(14);
      break;
  }
  if (error_) return 0;
  TBuildinFuncs* object = e.builtin ? funcs_.get() : e.object;
  if (object == nullptr) {
    SetError(39);
    return 0;
  }
  Real r = 0;
  if (!object->Call(e.name, *this, args, r)) {
    SetError(39);
    return 0;
  }
  if (error_) return 0;
  // A built-in whose arithmetic left the reals (1/sinh of a tiny argument,
  // the log of a cancelled sum) reports it as out of range.
  if (!std::isfinite(r)) {
    SetError(11);
    return 0;
  }
  return r;
}

}  // namespace tharvex::props
