// Fuzz target of the formula parser and of the property texts built on it:
// any text ends in a number or a reported error, never in a crash, a hang,
// or a value that is not finite (a field must never show NaN).
//
// The first byte picks how the rest is used:
//   0: a formula for TFormulaParser::Evaluate;
//   1: a formula for EvaluateWithGrid over the property window's grid;
//   2: a library property text for EvaluatePropertyText, the property and
//      the liquid mark taken from the first byte's upper bits.
// Run: fuzz_formula -max_len=400 fuzz/corpus/formula
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "core/props/formula_parser.h"
#include "core/props/my_values.h"
#include "core/props/prop_errors.h"
#include "core/props/property_eval.h"

namespace {

void RequireFinite(long double x, const char* where) {
  if (std::isfinite(x)) return;
  std::fprintf(stderr, "%s gave a value that is not finite\n", where);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tharvex;
  using namespace tharvex::props;
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const uint8_t mode = data[0];
  // A fixed seed keeps RAND and RND, and so every run, reproducible.
  TFormulaParser parser(1);
  TMyValues grid = TMyValues::PropertyWindowGrid();
  switch (mode % 3) {
    case 0:
      parser.SetExpression(text);
      RequireFinite(parser.Evaluate(), "Evaluate");
      break;
    case 1:
      try {
        RequireFinite(parser.EvaluateWithGrid(text, grid), "EvaluateWithGrid");
      } catch (const FormulaRangeError&) {
        // Too long or too many letters: refused before evaluation.
      }
      break;
    default: {
      static const char* kProperties[] = {"CP", "MD", "VI", "TC", "ST", "HV"};
      const char* property = kProperties[(mode / 3) % 6];
      const bool liquid = (mode / 18) % 2 == 1;
      try {
        PropOutcome o = EvaluatePropertyText(property, text, liquid, grid);
        if (o.kind == PropOutcome::Value) RequireFinite(o.value, "EvaluatePropertyText");
      } catch (const ConversionError&) {
      } catch (const ArithmeticError&) {
      } catch (const FormulaRangeError&) {
      } catch (const std::length_error&) {
        // Each is a reported error of the text: the window shows it.
      }
      break;
    }
  }
  return 0;
}
