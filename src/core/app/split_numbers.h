#pragma once
// The number list of an inter-process request: "handle;a;b;c".
#include <array>
#include <string>
#include <string_view>

#include "core/fields/i18n.h"

namespace tharvex {

inline constexpr int kMaxSplitNumbers = 20;
using SplitValues = std::array<double, kMaxSplitNumbers>;

// Cuts `text` at every `separator`; each piece read in the strict number
// syntax (a piece that is not a number gives 0); at most 20 pieces, the rest
// ignored; an empty text gives no pieces. Unused slots are 0.
SplitValues SplitNumbers(std::string_view text, char separator = ';');

// The reply to a request: the sender's handle and the text of the sum of the
// second to fourth numbers. `handle` is 0 when the first piece is 0, not a
// number, or not a finite integer-sized value.
struct CopyDataRequest {
  long long handle = 0;
  std::string reply;  // sum in the general format with 15 significant digits
};
CopyDataRequest AnswerCopyData(std::string_view text);

inline constexpr const char* kTargetNotFound = THX_TR_NOOP("Messages", "目标窗口没找到！");

}  // namespace tharvex
