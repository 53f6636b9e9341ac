#include "core/app/split_numbers.h"

#include <cmath>

#include "core/fields/number_format.h"

namespace tharvex {

SplitValues SplitNumbers(std::string_view text, char separator) {
  SplitValues v{};
  if (text.empty()) return v;
  size_t start = 0;
  for (int i = 0; i < kMaxSplitNumbers; ++i) {
    size_t end = text.find(separator, start);
    std::string_view piece = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (auto x = ParseStrict(piece)) v[static_cast<size_t>(i)] = *x;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return v;
}

CopyDataRequest AnswerCopyData(std::string_view text) {
  SplitValues v = SplitNumbers(text);
  CopyDataRequest r;
  // A handle is an integer; anything beyond the range of one cannot name a
  // window and counts as "not found".
  double h = RoundHalfEven(v[0]);
  if (std::isfinite(h) && std::fabs(h) < 9.0e18) r.handle = static_cast<long long>(h);
  double sum = v[1] + v[2] + v[3];
  // Three finite doubles can still overflow; the general format then writes
  // "INF" or "-INF", which the caller can tell from a number.
  r.reply = FormatGeneral(sum, 15, 0);
  return r;
}

}  // namespace tharvex
