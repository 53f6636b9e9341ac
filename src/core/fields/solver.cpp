#include "core/fields/solver.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/fields/form.h"
#include "core/fields/number_format.h"

namespace tharvex {

namespace {

void ShowSolverWarning(const std::vector<Control*>& fields) {
  for (Control* f : fields) {
    if (f && f->owner()) {
      f->owner()->messages().Show({kSolverWarning, kSolverWarningTitle, MessageIcon::Warning, MessageButtons::Ok});
      return;
    }
  }
}

bool PreviouslySolved(const Control& f, int32_t markColour) { return f.color() == markColour && f.myResolved(); }

}  // namespace

double NewtonSolve(const ValueArray& input, int last, int index, const ResidualFunction& residual, double step,
                   double start, TrialDomain domain) {
  ValueArray v = input;
  auto& x_at = v[static_cast<size_t>(index)];
  x_at = start;
  const bool stepBack = domain == TrialDomain::StepBack;
  double inside = std::numeric_limits<double>::quiet_NaN();  // last trial with a defined residual
  int counter = 0;
  for (int total = 0;; ++total) {
    if (total >= kNewtonMaxIterations) throw SolveError("iteration did not converge");
    ++counter;
    double x = x_at;
    double f0 = residual(v, last);
    if (stepBack) {
      // A step that left the domain goes halfway back, as often as needed.
      for (int k = 0; k < kMaxStepBacks && !std::isfinite(f0) && std::isfinite(inside); ++k) {
        x = x_at = inside + 0.5 * (x - inside);
        f0 = residual(v, last);
      }
      if (std::isfinite(f0)) inside = x;
    }
    double h = step;
    x_at = x * (1 + h);
    if (!std::isfinite(x_at)) throw SolveError("trial value is not finite");
    double f1 = residual(v, last);
    if (stepBack && std::isfinite(f0) && !std::isfinite(f1)) {
      // At the edge of the domain: perturb towards the inside.
      h = -step;
      x_at = x * (1 + h);
      f1 = residual(v, last);
    }
    if (!std::isfinite(f0) || !std::isfinite(f1)) throw SolveError("residual is not finite");
    double dx = std::fabs(f1 - f0) > 1e-50 ? f0 * h * x / (f1 - f0) : 0.0;
    x_at = x - dx;
    if (!std::isfinite(x_at)) throw SolveError("trial value is not finite");
    if (counter > 20) {
      step *= 0.1;
      counter = 0;
    }
    if (std::fabs(dx) < 1e-8) break;
  }
  return x_at;
}

Control* StoreSolved(Control& field, int32_t markColour, double tolerance, double value) {
  // A value the field cannot show in its unit would put "INF" into the text.
  if (!std::isfinite(value) || !(std::fabs(value / field.exchange()) <= kLargestComputed))
    throw SolveError("value cannot be shown in the field's unit");
  if (!field.isEmpty()) {
    double old = field.GetSIValue();
    double change = old != 0 ? std::fabs((value - old) / old) : std::fabs(value - old);
    if (change < tolerance) {
      field.markCurrent();  // the shown value still holds
      return nullptr;
    }
  }
  field.SetSIValue(value);
  field.setColor(markColour);
  field.setReadOnly(true);
  field.setCursor(CursorKind::No);
  return &field;
}

Control* ReleaseSolved(Control& field) {
  if (!field.text().empty() || field.color() != colors::Window) {
    field.setText("");
    field.setColor(colors::Window);
    field.setReadOnly(false);
    field.setCursor(CursorKind::Default);
    return &field;
  }
  return nullptr;
}

bool AllGiven(const std::vector<Control*>& fields) {
  for (const Control* f : fields)
    if (f->text().empty()) return false;
  return true;
}

double EvaluateIfGiven(const std::vector<Control*>& fields,
                       const std::function<double(const ValueArray& values, int last)>& function) {
  const size_t n = std::min<size_t>(fields.size(), 20);
  // Every field is tested before any is read: a missing value wins over a
  // text that cannot be read.
  for (size_t i = 0; i < n; ++i)
    if (fields[i]->isEmpty()) return kMissingValue;
  ValueArray v{};
  for (size_t i = 0; i < n; ++i) v[i] = fields[i]->GetSIValue();
  return function(v, 19);
}

Control* SolveOneUnknown(const std::vector<Control*>& fields, int32_t markColour, double startValue,
                         const ResidualFunction& residual, bool warn, TrialDomain domain) {
  int emptyCount = 0, lastEmpty = -1, lastSolved = -1;
  for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
    const Control& f = *fields[static_cast<size_t>(i)];
    if (f.isEmpty()) {
      ++emptyCount;
      lastEmpty = i;
    }
    if (PreviouslySolved(f, markColour)) lastSolved = i;
  }
  if (emptyCount >= 2) return nullptr;

  try {
    ValueArray values{};
    for (size_t i = 0; i < fields.size(); ++i)
      if (!fields[i]->isEmpty()) values[i] = fields[i]->GetSIValue();

    if (emptyCount == 1) {
      Control& empty = *fields[static_cast<size_t>(lastEmpty)];
      if (lastSolved >= 0) return ReleaseSolved(*fields[static_cast<size_t>(lastSolved)]);
      if (!empty.myResolved()) return nullptr;
      double x = NewtonSolve(values, 200, lastEmpty, residual, 0.0001, startValue, domain);
      return StoreSolved(empty, markColour, 2e-6, x);
    }
    if (lastSolved < 0) return nullptr;
    Control& solved = *fields[static_cast<size_t>(lastSolved)];
    double x = NewtonSolve(values, 200, lastSolved, residual, 0.0001, values[static_cast<size_t>(lastSolved)], domain);
    return StoreSolved(solved, markColour, 2e-6, x);
  } catch (...) {
    if (warn) ShowSolverWarning(fields);
    throw;
  }
}

}  // namespace tharvex
