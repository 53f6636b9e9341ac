#pragma once
// The optimiser's sweep point by point: both velocities, what the
// calculation gave and how the point was judged. Filled during the sweep,
// read by the map of the desktop program and the driver's CSV.
#include <string>
#include <utility>
#include <vector>

namespace tharvex {
class Control;
}

namespace tharvex::engine {

struct SweepPoint {
  double faceVelocity = 0, tubeVelocity = 0;  // m/s
  bool swept = false;     // the sweep reached this point ("最快" stops at the first acceptable one)
  double length = 0;      // m, LsD after the calculation
  double surplus = 0;     // %, CsD
  double k = 0;           // W/(m2.K), KaD; NaN when the field could not be read
  bool feasible = false;  // surplus and length within the limits
  bool accepted = false;  // the point the optimiser kept
};

struct SweepGrid {
  using GridValueFn = double (*)(double limit, int k);

  int size = 0;                               // values per velocity
  bool best = false;                          // "最优": K is mapped; "最快": the surplus
  double us2 = 0, ut2 = 0, lsm = 0, csr = 0;  // limits of the sweep
  std::vector<SweepPoint> points;             // index i * size + j: face velocity i, tube velocity j
  unsigned long long revision = 0;            // changes with every new sweep

  // Starts a new sweep of size x size points; velocity k of each axis is
  // gridValue(limit, k).
  void Begin(int size, double us2, double ut2, double lsm, double csr, bool best, GridValueFn gridValue);
  void Record(int i, int j, double length, double surplus, const Control& ka, bool feasible);
  // Marks (i, j) as the kept point; an earlier mark is removed.
  void Accept(int i, int j);
  // The kept point as the window shows it after the sweep (the design the
  // optimiser hands over), replacing what the sweep read there.
  void Shown(double length, double surplus, const Control& ka);

  const SweepPoint* accepted() const;
  SweepPoint& at(int i, int j) { return points[static_cast<size_t>(i * size + j)]; }
  const SweepPoint& at(int i, int j) const { return points[static_cast<size_t>(i * size + j)]; }

 private:
  int accepted_ = -1;
};

// One row per grid point: index of each velocity, both velocities, length,
// surplus, K, feasible, accepted. Points the sweep did not reach have the
// values empty.
std::string SweepCsv(const SweepGrid& grid);

// The edges of the region of grid cells (each point's cell reaches half a
// step to each side) where `inside` holds, joined into polylines in velocity
// coordinates (x face velocity, y tube velocity).
using Polyline = std::vector<std::pair<double, double>>;
template <typename Pred>
std::vector<Polyline> RegionOutline(const SweepGrid& grid, Pred inside);
std::vector<Polyline> RegionOutlineOf(const SweepGrid& grid, const std::vector<bool>& inside);

template <typename Pred>
std::vector<Polyline> RegionOutline(const SweepGrid& grid, Pred inside) {
  std::vector<bool> mask(grid.points.size());
  for (size_t n = 0; n < mask.size(); ++n) mask[n] = inside(grid.points[n]);
  return RegionOutlineOf(grid, mask);
}

}  // namespace tharvex::engine
