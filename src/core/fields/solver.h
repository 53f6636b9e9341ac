#pragma once
// The one-unknown equation solver: fills the one empty field of a relation
// between fields and marks it with the relation's colour.
#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "core/fields/control.h"

namespace tharvex {

using ValueArray = std::array<double, 201>;
using ResidualFunction = std::function<double(const ValueArray& values, int last)>;

// A solve that could not produce a finite value.
class SolveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr double kMissingValue = -32767.0;
inline constexpr int kNewtonMaxIterations = 5000;
inline constexpr const char* kSolverWarning = "发现错误，可能是输入数据错误！";
inline constexpr const char* kSolverWarningTitle = "警告";

// Returns the field it wrote or released, or nullptr. On any error it shows
// the solver warning through the fields' form (unless `warn` is false, for a
// caller that has a better way out) and rethrows.
Control* SolveOneUnknown(const std::vector<Control*>& fields, int32_t markColour, double startValue,
                         const ResidualFunction& residual, bool warn = true);

// Secant iteration with a relative perturbation. Throws SolveError on a
// non-finite residual or trial value, or when it runs past its bound.
double NewtonSolve(const ValueArray& values, int last, int index, const ResidualFunction& residual, double step,
                   double start);

Control* StoreSolved(Control& field, int32_t markColour, double tolerance, double value);
Control* ReleaseSolved(Control& field);
bool AllGiven(const std::vector<Control*>& fields);
double EvaluateIfGiven(const std::vector<Control*>& fields,
                       const std::function<double(const ValueArray& values, int last)>& function);

}  // namespace tharvex
