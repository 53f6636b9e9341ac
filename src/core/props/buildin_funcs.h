#pragma once
// TBuildinFuncs: the built-in functions of the formula parser, one handler
// per function. The parser owns one instance; handlers report errors through
// the parser they are given.
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tharvex::props {

using Real = long double;
class TFormulaParser;

// Arguments as the function's kind delivers them.
struct FuncArgs {
  Real x = 0;               // kinds 1 and 2
  Real y = 0;               // kind 2
  std::vector<Real> items;  // kind 3
  int last = -1;            // kind 3: index of the last item
  std::string s1, s2;       // kinds 8 and 9
};

class TBuildinFuncs {
 public:
  using Handler = Real (*)(TBuildinFuncs& self, TFormulaParser& parser, const FuncArgs& args);
  struct Entry {
    const char* name;  // upper case
    int kind;          // 0 none, 1 one number, 2 two numbers, 3 list, 8 one string, 9 two strings
    Handler handler;
  };

  explicit TBuildinFuncs(uint64_t seed);

  // Every built-in in registration order.
  static const std::vector<Entry>& Entries();

  // Calls the handler registered under `upperName`; false when there is none.
  bool Call(std::string_view upperName, TFormulaParser& parser, const FuncArgs& args, Real& result);

  // Pseudo-random number in [0, 1).
  Real NextRandom();

 private:
  std::mt19937_64 rng_;
};

}  // namespace tharvex::props
