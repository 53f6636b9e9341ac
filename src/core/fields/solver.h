#pragma once
// The one-unknown equation solver: fills the one empty field of a relation
// between fields and marks it with the relation's colour.
#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "core/fields/control.h"
#include "core/fields/i18n.h"

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
inline constexpr const char* kSolverWarning = THX_TR_NOOP("Messages", "发现错误，可能是输入数据错误！");
inline constexpr const char* kSolverWarningTitle = THX_TR_NOOP("Messages", "警告");

// What a solve does with a trial value at which the residual is not defined
// (not finite): fail, or, for a relation that only holds inside a domain
// (a fraction below 1, a pressure below the total), step back halfway towards
// the last value inside it, and perturb towards the inside.
enum class TrialDomain { Fail, StepBack };
inline constexpr int kMaxStepBacks = 60;

// Returns the field it wrote or released, or nullptr. On any error it shows
// the solver warning through the fields' form (unless `warn` is false, for a
// caller that has a better way out) and rethrows.
Control* SolveOneUnknown(const std::vector<Control*>& fields, int32_t markColour, double startValue,
                         const ResidualFunction& residual, bool warn = true, TrialDomain domain = TrialDomain::Fail);

// Secant iteration with a relative perturbation. Throws SolveError on a
// non-finite residual or trial value (after the step-backs `domain` allows),
// or when it runs past its bound.
double NewtonSolve(const ValueArray& values, int last, int index, const ResidualFunction& residual, double step,
                   double start, TrialDomain domain = TrialDomain::Fail);

Control* StoreSolved(Control& field, int32_t markColour, double tolerance, double value);
Control* ReleaseSolved(Control& field);
bool AllGiven(const std::vector<Control*>& fields);
double EvaluateIfGiven(const std::vector<Control*>& fields,
                       const std::function<double(const ValueArray& values, int last)>& function);

}  // namespace tharvex
