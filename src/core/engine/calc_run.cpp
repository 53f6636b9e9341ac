// The calculation run: three attempts of the whole case, the reads and
// writes every step shares.
#include <cmath>

#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

namespace {

constexpr int kAttempts = 3;

}  // namespace

Engine::Engine(Form& form) : form_(form), f_(form) {
  balanceResidual_ = [this](const ValueArray& v, int last) { return HeatBalanceResidual(v, last); };
}

void Engine::WsDExit(Control* sender) {
  ++runs_;
  // A failed attempt (an empty field, an arithmetic error, the input check)
  // is retried from the balance; after the last one the run ends silently.
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    try {
      Attempt(sender);
      return;
    } catch (const std::exception&) {
    }
  }
}

void Engine::Attempt(Control* sender) {
  st_.correlations = method::UseLog{};
  st_.correlations.method = Method().kind();
  BalanceStep();
  TubeHeatStep();
  CheckInput(sender);
  LabelHotCold();
  // The engineering correction factor depends on the tube columns, which the
  // layout settles.
  const bool rowsFirst = st_.correlations.method == method::Kind::Engineering;
  if (!rowsFirst) MeanTempDifference();
  LayoutStep();
  if (rowsFirst) MeanTempDifference();
  OptimisingLengthStep();
  ShellSideStep();
  TubeSideStep();
  AreasStep();
  NozzleStep();
}

// --- reading and writing ---

double Engine::ReadNumber(const Control* c) const {
  auto v = ParseLenient(c->text());
  if (!v) throw ConversionError(std::string(TrimBlanks(c->text())));
  return *v;
}

long long Engine::ReadInt(const Control* c) const {
  auto v = ParseInteger(c->text());
  if (!v) throw ConversionError(std::string(TrimBlanks(c->text())));
  return *v;
}

double Engine::Conductivity(const Control* c) const {
  const std::string& item = c->text();
  size_t bar = item.find('|');
  std::string_view rest = bar == std::string::npos ? std::string_view() : std::string_view(item).substr(bar + 1, 20);
  auto v = ParseLenient(rest);
  if (!v) throw ConversionError(std::string(TrimBlanks(rest)));
  return *v;
}

void Engine::Write(Control* c, double si) {
  Fin(si);
  Fin(si / c->exchange());
  c->SetSIValue(si);
}

const method::Correlations& Engine::Method() const {
  return method::For(f_.MethodD->itemIndex() == 1 ? method::Kind::Engineering : method::Kind::Standard);
}

void Engine::Used(method::Role role, method::Use use) {
  st_.correlations.Set(role, use);
  // The standard method keeps its trace as it always was.
  if (st_.correlations.method != method::Kind::Engineering || !st_.InteractiveOutput) return;
  static constexpr std::string_view kWhat[] = {"kf", "yta", "Dps", "at", "F"};
  std::string line(kWhat[static_cast<size_t>(role)]);
  line += ": ";
  line += method::Name(use.corr);
  if (use.outside) line += " [超出适用范围]";
  f_.MemoMessage->addLine(std::move(line));
}

std::optional<double> Engine::OptionalSI(const Control* c) const {
  if (c->isEmpty()) return std::nullopt;
  try {
    const double v = c->GetSIValue();
    if (std::isfinite(v)) return v;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

void Engine::Trace(std::string_view label, double value) {
  if (!st_.InteractiveOutput) return;
  std::string line(label);
  line += FormatGeneral(value);
  f_.MemoMessage->addLine(std::move(line));
}

void Engine::TraceLine(std::string line) {
  if (st_.InteractiveOutput) f_.MemoMessage->addLine(std::move(line));
}

}  // namespace tharvex::engine
