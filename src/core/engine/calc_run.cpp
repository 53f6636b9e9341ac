// The calculation run: three attempts of the whole case, the reads and
// writes every step shares, and the wiring of the handlers to the window.
#include <algorithm>
#include <climits>
#include <cmath>

#include "core/app/main_model.h"
#include "core/engine/checked_math.h"
#include "core/engine/engine.h"
#include "core/fields/number_format.h"
#include "core/mainwin/main_window_table.h"

namespace tharvex::engine {

namespace {

constexpr int kAttempts = 3;

// Groups of the process tab whose quantity fields recalculate on exit.
constexpr std::string_view kCaseGroups[] = {
    "GBShellBlanace", "GBTubeBlanace", "GBFinStru", "GBBaseStru", "GBBoxStru",
    "GBBoxRes",       "GBTubeRes",     "GBShare",   "GBGeneral",  "GBEnters",
};

// Result fields and optimiser limits whose exit does not recalculate.
constexpr std::string_view kNoRecalcOnExit[] = {
    "asD", "afD", "UempD", "UmaxD", "atD", "UtD", "QaD", "AdtD",
    "AcD", "ArD", "KaD",   "AwrD",  "Us2D", "Ut2D", "dipSD", "DipTD",
};

template <typename List>
bool Contains(const List& list, std::string_view s) {
  return std::find(std::begin(list), std::end(list), s) != std::end(list);
}

}  // namespace

Engine::Engine(Form& form, ProjectState& project) : form_(form), project_(project), f_(form) {
  balanceResidual_ = [this](const ValueArray& v, int last) { return HeatBalanceResidual(v, last); };
}

void Engine::InstallHandlers() {
  auto calc = [this](Control* s) { WsDExit(s); };
  for (const auto& d : mainwin::Table()) {
    if (d.entry != mainwin::Entry::Quantity || !Contains(kCaseGroups, d.parent)) continue;
    std::string name = d.value();
    if (Contains(kNoRecalcOnExit, name)) continue;
    form_.At(name).onExit = calc;
  }
  for (const char* name : {"khwD", "BayD", "LatD", "PnD", "FmD", "TmD", "SmD"}) form_.At(name).onExit = calc;
  for (const char* name : {"FmD", "TmD", "SmD", "PmD"}) form_.At(name).onChange = calc;
  f_.CBRoate->onClick = calc;
  f_.MethodD->onChange = calc;

  auto calType = [this](Control* s) { CalTypeDChange(s); };
  f_.CalTypeD->onChange = calType;
  f_.OMD->onChange = calType;
  auto phase = [this](Control* s) { PhsDChange(s); };
  f_.PhsD->onChange = phase;
  f_.PhtD->onChange = phase;
  f_.CBWater->onClick = [this](Control* s) { CBWaterClick(s); };
  f_.CBTType->onClick = [this](Control* s) { CBTTypeClick(s); };
  f_.CBTubArr->onClick = [this](Control* s) { CBTubArrClick(s); };
  auto opt = [this](Control* s) { BtOpt1Click(s); };
  f_.tbOpt1->onClick = opt;
  f_.MROpt1->onClick = opt;
}

void Engine::WsDExit(Control* sender) {
  project_.modified = true;
  f_.MFSave->setEnabled(true);
  form_.clearStatusLog();
  // A failed attempt (an empty field, an arithmetic error, the input check)
  // is retried from the balance; after the last one the run ends silently.
  st_.lastRunSucceeded = false;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    try {
      Attempt(sender);
      st_.lastRunSucceeded = true;
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

// --- step 6: geometry, requested tube count, layout ---

void Engine::LayoutStep() {
  Geometry g;
  g.d_o = f_.dod->GetSIValue();
  g.d_i = f_.diD->GetSIValue();
  g.pt = f_.PtD->GetSIValue();
  g.bare = f_.CBTType->checked();
  if (!g.bare) {
    g.hf = f_.hfD->GetSIValue();
    g.pf = f_.PfD->GetSIValue();
    g.tf = f_.TfD->GetSIValue();
  }
  g.densS = f_.DensD->GetSIValue();
  g.muS = f_.MsD->GetSIValue();
  g.cpS = f_.CpsD->GetSIValue();
  g.ldS = f_.LdsD->GetSIValue();
  g.sh1 = f_.Sh1D->GetSIValue();
  g.sw = f_.SwD->GetSIValue();
  st_.currentLength = f_.LsD->GetSIValue();
  g.utm = f_.UtmD->GetSIValue();
  g.wt = f_.WtD->GetSIValue();
  g.passes = ReadInt(f_.PnD);
  g.densT = f_.DentD->GetSIValue();
  g.bay = ReadInt(f_.BayD);
  g.phaseS = f_.PhsD->itemIndex();
  g.phaseT = f_.PhtD->itemIndex();
  if (g.phaseT == kCondensing) {
    g.densTv = f_.DentvD->GetSIValue();
    g.muTv = f_.MtvD->GetSIValue();
  }
  g.kFin = Conductivity(f_.FmD);
  g.arrangement = f_.CBTubArr->itemIndex() == 1 ? 1 : 0;
  g.rotated = f_.CBRoate->checked();
  g_ = g;

  const double tubes = RequestedTubeCount();

  layout::LayoutInput in;
  in.passes = static_cast<int>(std::clamp<long long>(g.passes, INT_MIN, INT_MAX));
  in.tubes = static_cast<long long>(tubes);
  in.rotated = g.rotated;
  in.arrangement = g.arrangement;
  in.khw = ReadNumber(f_.khwD);
  in.sw = Fin(g.sw * 1000);
  in.sh1 = Fin(g.sh1 * 1000);
  in.pt = Fin(g.pt * 1000);
  in.df = Fin((g.d_o + 2 * g.hf) * 1000);
  in.design = f_.CalTypeD->itemIndex() == 0;
  if (!in.design) {
    in.ratingNh = f_.NhD->GetSIValue();
    in.ratingNw = f_.NwD->GetSIValue();
    in.ratingHeightMm = Fin(f_.HbxD->GetSIValue() * 1000);
  }
  in.lengthM = st_.currentLength;
  in.interactive = st_.InteractiveOutput;
  in.drawnWidth = Method().kind() == method::Kind::Engineering;
  if (st_.InteractiveOutput) st_.section = {in, g.d_o * 1000, !g.bare};

  layout::LayoutResult res = layout::DrawTubeLayout(in, st_.InteractiveOutput ? &st_.drawing : nullptr);
  if (res.tooManyTubes) {
    form_.setStatus(1, std::string(msg::kTooManyTubes));
    throw AttemptStopped("too many tubes");
  }
  // The bound is checked on the counts, before the casing size: a count
  // within it clears the warning even when the casing size then fails.
  if (res.countsWithinBound) form_.clearStatusIf(1, msg::kTooManyTubes);
  if (res.arithmeticError) throw ArithmeticError("tube layout");
  for (auto& line : res.memoLines) TraceLine(std::move(line));

  st_.nh = res.nh;
  st_.nw = res.nw;
  st_.heightMm = res.heightMm;
  st_.widthMm = res.widthMm;
  st_.tubes = res.tubesPlaced;
  Write(f_.NtD, static_cast<double>(res.tubesPlaced));
  Write(f_.NhD, res.nh);
  Write(f_.NwD, res.nw);
  if (in.design) Write(f_.HbxD, res.heightMm / 1000);
  Write(f_.WbxD, res.widthMm / 1000);
}

// --- step 7: the optimiser's length ---

void Engine::OptimisingLengthStep() {
  if (!st_.Optimising) return;
  const double ws = f_.WsD->GetSIValue();
  // Length at which the casing face passes the shell flow at the grid point's
  // face velocity, in whole millimetres per unit in series.
  double length = Div(ws, st_.heightMm / 1000 * g_.densS * st_.OptFaceVelocity);
  const double bay = static_cast<double>(g_.bay);
  length = Fin(Round(Div(length * 1000, bay)) * bay * 0.001);
  st_.currentLength = length;
  Write(f_.LsD, length);
}

}  // namespace tharvex::engine
