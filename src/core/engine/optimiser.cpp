// The optimiser: sweeps the face velocity and the reference tube velocity
// and keeps the fastest acceptable design or the one with the highest
// overall coefficient.
#include <algorithm>
#include <cmath>

#include "core/engine/engine.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

namespace {

constexpr int kGridSteps = 40;            // 41 values per velocity
constexpr double kLowestVelocity = 0.01;  // m/s
// The balance reads the heat loss of the previous geometry: calculations are
// repeated until neither changes, at most this often.
constexpr int kSettlePasses = 12;

// Grid value k: from the limit down to the lowest velocity.
double GridValue(double limit, int k) {
  return limit - (static_cast<double>(k) / kGridSteps) * (limit - kLowestVelocity);
}

std::vector<std::string> Texts(const std::vector<Control*>& controls) {
  std::vector<std::string> t;
  t.reserve(controls.size());
  for (const Control* c : controls) t.push_back(c->text());
  return t;
}

struct Point {
  double k, length, utm, face;
  int i, j;  // where on the grid
};

}  // namespace

bool Engine::SettledCalculation(Control* sender, const std::vector<Control*>& watch, int passes) {
  for (int pass = 0; pass < passes; ++pass) {
    const auto before = Texts(watch);
    WsDExit(sender);
    if (!complete_) return false;
    if (Texts(watch) == before) return true;
  }
  return false;
}

void Engine::BtOpt1Click(Control* sender) {
  // A sweep that finds nothing, or fails, gives the window back as it was.
  const Form::Snapshot before = form_.TakeSnapshot();
  const CalcState stateBefore = st_;
  // A sweep given back counts as no calculation: the project stays as
  // modified as it was.
  const uint64_t runsBefore = runs_;
  auto giveBack = [&] {
    form_.Restore(before);
    st_ = stateBefore;
    runs_ = runsBefore;
  };
  form_.setStatus(1, std::string(msg::kOptStart));
  try {
    const double us2 = f_.Us2D->GetSIValue();
    const double ut2 = f_.Ut2D->GetSIValue();
    const double lsm = f_.LsmD->GetSIValue();
    const double csr = ReadNumber(f_.CsrD);
    const bool best = f_.OMD->itemIndex() == 1;
    const std::optional<double> lowestTube = OptionalSI(f_.Ut1D);  // 管程速度≥, when given
    sweep_.Begin(kGridSteps + 1, us2, ut2, lsm, csr, best, GridValue);

    // The ordinary calculation also stores the mean temperature difference
    // the sweep reuses.
    WsDExit(sender);
    const double cachedLmtd = st_.CachedLmtd;
    st_.InteractiveOutput = false;
    st_.Optimising = true;

    // A point counts once the balance and the heat loss have settled on it.
    std::vector<Control*> balance = f_.PhtD->itemIndex() == kCondensing ? f_.balance9 : f_.balance8;
    balance.push_back(f_.QeD);
    // Every field of the design on screen, for the final calculation.
    std::vector<Control*> all;
    for (const auto& c : form_.controls())
      if (c->isEdit()) all.push_back(c.get());

    auto acceptable = [&] {
      if (!complete_) return false;
      const auto cs = ParseLenient(f_.CsD->text());
      const bool fast = !lowestTube || f_.UtD->GetSIValue() >= *lowestTube;
      return cs && *cs >= csr && f_.LsD->GetSIValue() <= lsm && fast;
    };
    // The chosen point calculated as the user's next calculation will: the
    // length as set and the mean difference of the temperatures on screen.
    // It holds when it settles and still meets every limit the sweep judged.
    auto confirm = [&](const Point& p) {
      st_.Optimising = false;
      Write(f_.LsD, p.length);
      Write(f_.UtmD, p.utm);
      bool ok = SettledCalculation(sender, all, kSettlePasses) && acceptable();
      if (ok) {
        // The face velocity may exceed the grid's only by the rounding of
        // the length to whole millimetres per unit in series.
        const double length = f_.LsD->GetSIValue();
        const double slack = 0.0005 * static_cast<double>(g_.bay);
        ok = f_.UempD->GetSIValue() * length <= us2 * (length + slack) && f_.UtmD->GetSIValue() <= ut2;
      }
      if (!ok) {
        st_.Optimising = true;
        st_.OptFaceVelocity = p.face;
        st_.CachedLmtd = cachedLmtd;
      }
      return ok;
    };

    bool found = false;
    std::vector<Point> candidates;
    for (int i = 0; i <= kGridSteps && !found; ++i) {
      for (int j = 0; j <= kGridSteps && !found; ++j) {
        st_.OptFaceVelocity = GridValue(us2, i);
        Write(f_.UtmD, GridValue(ut2, j));
        const bool settled = SettledCalculation(sender, balance, kSettlePasses);
        const bool ok = settled && acceptable();
        sweep_.Record(i, j, f_.LsD->GetSIValue(), ReadNumber(f_.CsD), *f_.KaD, ok);
        if (!ok) continue;
        const Point p{f_.KaD->GetSIValue(), f_.LsD->GetSIValue(), f_.UtmD->GetSIValue(), st_.OptFaceVelocity, i, j};
        if (best) {
          candidates.push_back(p);
        } else if ((found = confirm(p))) {  // the fastest acceptable point ends the sweep
          sweep_.Accept(i, j);
        }
      }
    }
    if (best) {
      // The highest coefficient first; ties keep the earlier point.
      std::stable_sort(candidates.begin(), candidates.end(), [](const Point& a, const Point& b) { return a.k > b.k; });
      for (const Point& p : candidates) {
        if (!(p.k > 0)) break;
        st_.OptFaceVelocity = p.face;
        if ((found = confirm(p))) {
          sweep_.Accept(p.i, p.j);
          break;
        }
      }
    }
    if (found) {
      sweep_.Shown(f_.LsD->GetSIValue(), ReadNumber(f_.CsD), *f_.KaD);
      form_.setStatus(1, std::string(msg::kOptSuccess));
    } else {
      giveBack();
      form_.setStatus(1, std::string(msg::kOptFailure));
    }
  } catch (const std::exception&) {
    giveBack();
    form_.setStatus(1, std::string(msg::kOptError));
  }
  st_.InteractiveOutput = true;
  st_.Optimising = false;
}

}  // namespace tharvex::engine
