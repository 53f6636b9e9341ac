#include "core/tools/segmentation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/fields/solver.h"

namespace tharvex::tools {

namespace {

const char* const kBadCount = THX_TR_NOOP("Messages", "无法分段：段数应为1到10000之间的整数！");
const char* const kHeatedShell = THX_TR_NOOP("Messages", "无法分段：壳程出口温度高于入口温度（壳程被加热）！");
const char* const kOutletBelowTubeMean = THX_TR_NOOP("Messages", "无法分段：壳程出口温度须高于管程进出口平均温度！");
const char* const kOutOfRange = THX_TR_NOOP("Messages", "无法分段：温度数值超出计算范围！");
const char* const kNotSettled = THX_TR_NOOP("Messages", "无法分段：分段计算不收敛，请检查输入数据！");

SegmentationResult Refuse(const char* why) {
  SegmentationResult r;
  r.lines = {why};
  return r;
}

std::string Fixed(double v, int decimals) {
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  std::string s(buf, res.ptr);
  if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);  // no "-0.00"
  return s;
}

}  // namespace

std::string FormatSegmentTemperature(double t) {
  if (!std::isfinite(t)) return "0.00";
  // Decimal exponent of t after rounding to 5 significant digits.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, t, std::chars_format::scientific, 4);
  std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
  int exp10 = 0;
  size_t e = sci.find('e');
  std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exp10);
  if (t == 0 || exp10 < 2) return Fixed(t, 2);  // below 100: 2 decimals is the coarser
  if (exp10 >= 5) return FormatGeneral(t, 5);
  // 100 to 99999.5: 5 significant digits, shown with 2 decimals.
  double rounded = 0;
  std::from_chars(sci.data(), sci.data() + sci.size(), rounded);
  return Fixed(rounded, 2);
}

SegmentationResult SegmentShellTemperatures(const SegmentationInput& in) {
  const double nReal = RoundHalfEven(in.segments);
  if (!(nReal >= 1 && nReal <= static_cast<double>(kMaxSegments))) return Refuse(kBadCount);
  const int n = static_cast<int>(nReal);
  const double ts0 = in.shellIn, tsn = in.shellOut;
  const double s = in.tubeIn + in.tubeOut;  // twice the tube-side mean
  const double denominator = (ts0 + tsn) - s;
  if (!std::isfinite(s) || !std::isfinite(denominator) || !std::isfinite(ts0 - tsn)) return Refuse(kOutOfRange);
  // The correction below only settles for a cooled shell side whose outlet
  // stays above the tube-side mean (this also keeps the denominator positive).
  if (ts0 < tsn) return Refuse(kHeatedShell);
  if (!(2 * tsn > s) || !(denominator > 0)) return Refuse(kOutletBelowTubeMean);

  // Segment factor r: T(k-1) - T(k) = r * (T(k-1) + T(k) - S) in every segment.
  const double r0 = (ts0 - tsn) / denominator / n;
  const long long maxPasses = std::max(1LL, kMaxSegmentSteps / n);
  std::vector<double> boundary(static_cast<size_t>(n));  // T(1) ... T(n) of the current pass
  long long passes = 0;
  // One pass over the segments with factor r: the miss of the outlet after
  // the last segment (not finite when the pass ran out of range).
  auto miss = [&](double r) {
    ++passes;
    double t = ts0;
    for (int k = 1; k <= n; ++k) {
      t = (t - (t - s) * r) / (1 + r);
      boundary[static_cast<size_t>(k - 1)] = t;
    }
    return t - tsn;
  };
  auto settled = [&] {
    // The lines of the settled pass; the last boundary is the outlet itself.
    SegmentationResult out;
    out.lines.push_back("Ts0=" + FormatSegmentTemperature(ts0));
    for (int k = 1; k < n; ++k)
      out.lines.push_back("Ts" + std::to_string(k) + "=" + FormatSegmentTemperature(boundary[k - 1]));
    out.lines.push_back("Ts" + std::to_string(n) + "=" + FormatSegmentTemperature(tsn));
    out.ok = true;
    out.passes = static_cast<int>(std::min<long long>(passes, std::numeric_limits<int>::max()));
    return out;
  };

  // The plain correction. Where the span is large against the segment count
  // its step overshoots and the passes swing ever wider instead of settling.
  double r = r0;
  for (long long pass = 1; pass <= maxPasses; ++pass) {
    double d = miss(r);
    if (!std::isfinite(d)) break;
    if (std::fabs(d) <= 0.1) return settled();
    r = (0.1 * d / n + 1) * r;
    if (!std::isfinite(r)) break;
  }

  // The same step, damped. The outlet temperature falls steadily as r goes
  // from 0 (no cooling: Ts0) to 1 (the tube-side mean, below Tsn), so the
  // factor lies in a bracket that every pass narrows. The damping halves
  // whenever a step missed by no less than the one before and doubles while
  // steps on the same side creep (large counts make the plain step tiny); a
  // step that would leave the bracket goes to its middle instead.
  double lo = 0, hi = 1, lastMiss = std::numeric_limits<double>::infinity(), lastD = 0, damping = 1;
  r = r0;
  for (long long pass = 1; pass <= maxPasses; ++pass) {
    double d = miss(r);
    if (!std::isfinite(d)) return Refuse(kNotSettled);
    if (std::fabs(d) <= 0.1) return settled();
    (d > 0 ? lo : hi) = r;
    if (std::fabs(d) >= lastMiss)
      damping *= 0.5;
    else if ((d > 0) == (lastD > 0) && std::fabs(d) > 0.5 * lastMiss)
      damping *= 2;
    lastMiss = std::fabs(d);
    lastD = d;
    double next = r + damping * 0.1 * d / n * r;
    r = next > lo && next < hi ? next : 0.5 * (lo + hi);
  }
  return Refuse(kNotSettled);
}

void MnDExit(Form& form) {
  std::vector<Control*> fields = {&form.At("Tt0D"), &form.At("TtnD"), &form.At("Ts0D"), &form.At("TsnD"),
                                  &form.At("MnD")};
  if (!AllGiven(fields)) return;  // an incomplete set leaves the memo as it was
  SegmentationInput in;
  try {
    in.tubeIn = fields[0]->GetSIValue();
    in.tubeOut = fields[1]->GetSIValue();
    in.shellIn = fields[2]->GetSIValue();
    in.shellOut = fields[3]->GetSIValue();
    in.segments = fields[4]->GetSIValue();
  } catch (const ConversionError& e) {
    form.messages().Show({e.what(), "Error", MessageIcon::Error, MessageButtons::Ok});
    return;
  }
  form.At("MemoTi").setLines(SegmentShellTemperatures(in).lines);
}

}  // namespace tharvex::tools
