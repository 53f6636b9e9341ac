// Steps 6 and 7: the geometry the later steps share, the tube layout that
// settles the tube counts and the casing size, and the casing length of the
// optimiser's grid point.
#include <algorithm>
#include <climits>

#include "core/engine/checked_math.h"
#include "core/engine/engine.h"

namespace tharvex::engine {

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
