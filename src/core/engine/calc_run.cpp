// The calculation run: three attempts of the whole case, the reads and
// writes every step shares.
#include <cmath>
#include <optional>

#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/fields/i18n.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

namespace {

constexpr int kAttempts = 3;

// Warnings shown together in status panel 1, in this order.
constexpr std::string_view kWarnings[] = {msg::kCorrection, msg::kLaminar};
constexpr std::string_view kWarningGap = "  ";

// The warnings status panel 1 shows, or nullopt when it shows anything else.
std::optional<std::vector<std::string_view>> ShownWarnings(std::string_view panel) {
  std::vector<std::string_view> shown;
  while (!panel.empty()) {
    const size_t gap = panel.find(kWarningGap);
    const std::string_view part = panel.substr(0, gap);
    if (std::find(std::begin(kWarnings), std::end(kWarnings), part) == std::end(kWarnings)) return std::nullopt;
    shown.push_back(part);
    panel = gap == std::string_view::npos ? std::string_view() : panel.substr(gap + kWarningGap.size());
  }
  return shown;
}

}  // namespace

Engine::Engine(Form& form) : form_(form), f_(form) {
  balanceResidual_ = [this](const ValueArray& v, int last) { return HeatBalanceResidual(v, last); };
  wetBalanceResidual_ = [this](const ValueArray& v, int last) { return WetBalanceResidual(v, last); };
}

void Engine::RaiseWarning(std::string_view warning) {
  const std::string panel = form_.status(1);
  auto shown = ShownWarnings(panel);
  if (!shown) shown.emplace();  // another text gives way, as it always has
  std::string text;
  for (std::string_view w : kWarnings) {
    if (w != warning && std::find(shown->begin(), shown->end(), w) == shown->end()) continue;
    if (!text.empty()) text += kWarningGap;
    text += w;
  }
  form_.setStatus(1, std::move(text));
}

void Engine::DropWarning(std::string_view warning) {
  const std::string panel = form_.status(1);
  auto shown = ShownWarnings(panel);
  if (!shown || std::find(shown->begin(), shown->end(), warning) == shown->end()) return;
  std::string text;
  for (std::string_view w : *shown) {
    if (w == warning) continue;
    if (!text.empty()) text += kWarningGap;
    text += w;
  }
  form_.setStatus(1, std::move(text));
}

void Engine::WsDExit(Control* sender) {
  ++runs_;
  form_.clearStatusLog();
  // The warnings of the previous calculation go; this one raises its own.
  for (std::string_view w : kWarnings) DropWarning(w);
  // A failed attempt (an empty field, an arithmetic error, the input check)
  // is retried from the balance; after the last one the run ends silently.
  complete_ = false;
  st_.lastRunSucceeded = false;
  uint64_t epoch = 0;
  for (int attempt = 0; attempt < kAttempts && !complete_; ++attempt) {
    epoch = form_.BeginWriteEpoch();
    try {
      Attempt(sender);
      complete_ = true;
      st_.lastRunSucceeded = true;
    } catch (const std::exception&) {
    }
  }
  MarkStaleResults(epoch);
}

void Engine::MarkStaleResults(uint64_t epoch) {
  // A result the last attempt did not write (or confirm) still shows an
  // earlier calculation. A complete attempt clears every mark.
  for (Control* c : f_.resultCandidates) {
    bool stale = false;
    if (!complete_ && !c->isEmpty() && !c->writtenSince(epoch)) {
      const int32_t colour = c->color();
      const bool solved = c->readOnly() && c->myResolved() &&
                          (colour == colors::BtnFace || colour == colors::SkyBlue || colour == colors::MoneyGreen);
      stale = solved || f_.IsResult(c);
    }
    c->setStale(stale);
  }
}

bool Engine::AnyStale() const {
  for (const Control* c : f_.resultCandidates)
    if (c->stale()) return true;
  return false;
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
  Showable(si / c->exchange());
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
  if (use.outside) line += std::string(" ") + THX_TR_NOOP("Messages", "[超出适用范围]");
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
