#pragma once
// What a field of the main window is at the moment, as its colours tell the
// user: an input, a value the solver found (the heat balance, the nozzles), a
// result of the calculation, or not applicable in the current mode.
#include <string_view>

#include "core/fields/control.h"

namespace tharvex {

enum class FieldRole { Input, MustInput, Balanced, NozzleSolved, Result, NotApplicable };

FieldRole RoleOf(const Control& field);

// "输入", "必须输入", "由热量平衡求出", "由管口计算求出", "计算结果", "不适用".
std::string_view RoleText(FieldRole role);

// The legend of the colours: one entry per role the window shows.
struct LegendEntry {
  FieldRole role;
  int32_t background;  // colour as the controls record it
  int32_t text;
  std::string_view caption;
};
const LegendEntry (&Legend())[5];

}  // namespace tharvex
