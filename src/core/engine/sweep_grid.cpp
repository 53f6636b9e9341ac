#include "core/engine/sweep_grid.h"

#include <cmath>
#include <limits>
#include <map>

#include "core/fields/control.h"
#include "core/fields/number_format.h"

namespace tharvex::engine {

void SweepGrid::Begin(int n, double faceLimit, double tubeLimit, double lengthLimit, double surplus, bool bestType,
                      GridValueFn gridValue) {
  size = n;
  best = bestType;
  us2 = faceLimit;
  ut2 = tubeLimit;
  lsm = lengthLimit;
  csr = surplus;
  accepted_ = -1;
  ++revision;
  points.assign(static_cast<size_t>(n) * static_cast<size_t>(n), SweepPoint{});
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      SweepPoint& p = at(i, j);
      p.faceVelocity = gridValue(us2, i);
      p.tubeVelocity = gridValue(ut2, j);
    }
}

void SweepGrid::Record(int i, int j, double length, double surplus, const Control& ka, bool feasible) {
  if (i < 0 || j < 0 || i >= size || j >= size) return;
  SweepPoint& p = at(i, j);
  p.swept = true;
  p.length = length;
  p.surplus = surplus;
  p.k = std::numeric_limits<double>::quiet_NaN();
  if (!ka.isEmpty()) {
    try {
      p.k = ka.GetSIValue();
    } catch (const std::exception&) {
    }
  }
  p.feasible = feasible;
}

void SweepGrid::Accept(int i, int j) {
  if (i < 0 || j < 0 || i >= size || j >= size) return;
  if (accepted_ >= 0) points[static_cast<size_t>(accepted_)].accepted = false;
  accepted_ = i * size + j;
  points[static_cast<size_t>(accepted_)].accepted = true;
}

void SweepGrid::Shown(double length, double surplus, const Control& ka) {
  if (accepted_ < 0) return;
  SweepPoint& p = points[static_cast<size_t>(accepted_)];
  Record(accepted_ / size, accepted_ % size, length, surplus, ka, p.feasible);
}

const SweepPoint* SweepGrid::accepted() const {
  return accepted_ >= 0 ? &points[static_cast<size_t>(accepted_)] : nullptr;
}

std::string SweepCsv(const SweepGrid& g) {
  std::string out = "i,j,face_velocity_m_s,tube_velocity_m_s,length_m,surplus_pct,K_W_m2K,feasible,accepted\n";
  auto num = [](double v) { return std::isfinite(v) ? FormatGeneral(v) : std::string(); };
  for (int i = 0; i < g.size; ++i)
    for (int j = 0; j < g.size; ++j) {
      const SweepPoint& p = g.at(i, j);
      out += std::to_string(i) + ',' + std::to_string(j) + ',' + num(p.faceVelocity) + ',' + num(p.tubeVelocity) + ',';
      if (p.swept)
        out += num(p.length) + ',' + num(p.surplus) + ',' + num(p.k) + ',' + (p.feasible ? "1" : "0");
      else
        out += ",,,";
      out += ',';
      out += p.accepted ? "1" : "0";
      out += '\n';
    }
  return out;
}

std::vector<Polyline> RegionOutlineOf(const SweepGrid& g, const std::vector<bool>& inside) {
  std::vector<Polyline> lines;
  const int n = g.size;
  if (n < 2 || inside.size() != g.points.size()) return lines;
  auto in = [&](int i, int j) { return i >= 0 && j >= 0 && i < n && j < n && inside[static_cast<size_t>(i * n + j)]; };
  // Directed boundary edges between cell corners (corner (a, b) lies half a
  // step before point (a, b) on both axes), the region on their left.
  using Corner = std::pair<int, int>;
  std::multimap<Corner, Corner> edges;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      if (!in(i, j)) continue;
      if (!in(i, j - 1)) edges.insert({{i, j}, {i + 1, j}});
      if (!in(i + 1, j)) edges.insert({{i + 1, j}, {i + 1, j + 1}});
      if (!in(i, j + 1)) edges.insert({{i + 1, j + 1}, {i, j + 1}});
      if (!in(i - 1, j)) edges.insert({{i, j + 1}, {i, j}});
    }
  const double f0 = g.at(0, 0).faceVelocity, df = g.at(1, 0).faceVelocity - f0;
  const double t0 = g.at(0, 0).tubeVelocity, dt = g.at(0, 1).tubeVelocity - t0;
  auto velocity = [&](const Corner& c) {
    return std::make_pair(f0 + (c.first - 0.5) * df, t0 + (c.second - 0.5) * dt);
  };
  while (!edges.empty()) {
    auto it = edges.begin();
    const Corner start = it->first;
    Corner at = it->second;
    edges.erase(it);
    Polyline line{velocity(start), velocity(at)};
    while (at != start) {
      auto next = edges.find(at);
      if (next == edges.end()) break;
      at = next->second;
      edges.erase(next);
      line.push_back(velocity(at));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace tharvex::engine
