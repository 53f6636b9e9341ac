// The optimiser: sweeps the face velocity and the reference tube velocity
// and keeps the fastest acceptable design or the one with the highest
// overall coefficient.
#include "core/engine/engine.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

namespace {

constexpr int kGridSteps = 40;          // 41 values per velocity
constexpr double kLowestVelocity = 0.01;  // m/s

// Grid value k: from the limit down to the lowest velocity.
double GridValue(double limit, int k) { return limit - (static_cast<double>(k) / kGridSteps) * (limit - kLowestVelocity); }

}  // namespace

void Engine::BtOpt1Click(Control* sender) {
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
    st_.InteractiveOutput = false;
    st_.Optimising = true;

    bool found = false;
    double bestK = -1, bestLength = 0, bestUtm = 0, bestFace = 0;
    for (int i = 0; i <= kGridSteps && !(found && !best); ++i) {
      st_.OptFaceVelocity = GridValue(us2, i);
      for (int j = 0; j <= kGridSteps; ++j) {
        Write(f_.UtmD, GridValue(ut2, j));
        WsDExit(sender);
        const double length = f_.LsD->GetSIValue();
        const double cs = ReadNumber(f_.CsD);
        const bool fast = !lowestTube || f_.UtD->GetSIValue() >= *lowestTube;
        sweep_.Record(i, j, length, cs, *f_.KaD, cs >= csr && length <= lsm && fast);
        if (!(cs >= csr && length <= lsm)) continue;
        if (!fast) continue;
        if (!best) {
          found = true;  // the fastest acceptable point ends the sweep
          sweep_.Accept(i, j);
          break;
        }
        const double k = f_.KaD->GetSIValue();
        if (k > bestK) {
          bestK = k;
          bestLength = length;
          bestUtm = f_.UtmD->GetSIValue();
          bestFace = st_.OptFaceVelocity;
          found = true;
          sweep_.Accept(i, j);
        }
      }
    }
    if (best && bestK > 0) {
      // Show the best design again.
      st_.OptFaceVelocity = bestFace;
      Write(f_.LsD, bestLength);
      Write(f_.UtmD, bestUtm);
      WsDExit(sender);
    }
    if (found) sweep_.Shown(f_.LsD->GetSIValue(), ReadNumber(f_.CsD), *f_.KaD);
    form_.setStatus(1, std::string(found ? msg::kOptSuccess : msg::kOptFailure));
  } catch (const std::exception&) {
    form_.setStatus(1, std::string(msg::kOptError));
  }
  st_.InteractiveOutput = true;
  st_.Optimising = false;
}

}  // namespace tharvex::engine
