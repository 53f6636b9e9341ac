#pragma once
// The standard method: the correlations the program has always used.
#include "core/engine/method/method.h"

namespace tharvex::engine::method {

class Standard final : public Correlations {
 public:
  Kind kind() const override { return Kind::Standard; }
  double FreeAreaRatio(const Bank& b) const override;
  Result ShellFilm(const Bank& b, const Gas& g, double res, double prs) const override;
  FinAreas Fins(const Bank& b) const override;
  Result FinEfficiency(const Bank& b, double kFin, double h) const override;
  Result ShellPressureDrop(const Bank& b, const Gas& g, double umax, double res, double phi) const override;
  Result TubeFilm(const TubeFlow& t, bool& laminar) const override;
  Result CondensingFilm(const Condensing& c) const override;
  double CasingLossArea(double h, double l, double w) const override;
};

}  // namespace tharvex::engine::method
