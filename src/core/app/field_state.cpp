#include "core/app/field_state.h"

#include "core/fields/i18n.h"
#include "core/mainwin/main_window_table.h"

namespace tharvex {

FieldRole RoleOf(const Control& c) {
  if (!c.enabled()) return FieldRole::NotApplicable;
  if (c.readOnly()) {
    // The nozzle solver marks its two fields with their own colours; a
    // balance member that is read-only was solved by the balance.
    if (c.color() == colors::SkyBlue || c.color() == colors::MoneyGreen) return FieldRole::NozzleSolved;
    const mainwin::ControlDef* d = mainwin::FindDef(c.name());
    if (d && d->role == mainwin::Role::Bal && c.fontColor() != colors::Blue) return FieldRole::Balanced;
    return FieldRole::Result;
  }
  if (c.kind() == ControlKind::TEditD && !c.myResolved() && c.isEmpty()) return FieldRole::MustInput;
  return FieldRole::Input;
}

std::string_view RoleText(FieldRole role) {
  switch (role) {
    case FieldRole::Input:
      return THX_TR_NOOP("Controls", "输入");
    case FieldRole::MustInput:
      return THX_TR_NOOP("Controls", "必须输入");
    case FieldRole::Balanced:
      return THX_TR_NOOP("Controls", "由热量平衡求出");
    case FieldRole::NozzleSolved:
      return THX_TR_NOOP("Controls", "由管口计算求出");
    case FieldRole::Result:
      return THX_TR_NOOP("Controls", "计算结果");
    case FieldRole::NotApplicable:
      return THX_TR_NOOP("Controls", "不适用");
  }
  return "";
}

const LegendEntry (&Legend())[5] {
  static const LegendEntry legend[5] = {
      {FieldRole::Input, colors::Window, colors::Black, THX_TR_NOOP("Controls", "输入")},
      {FieldRole::Balanced, colors::BtnFace, colors::Black, THX_TR_NOOP("Controls", "平衡求出")},
      {FieldRole::NozzleSolved, colors::SkyBlue, colors::Black, THX_TR_NOOP("Controls", "管口求出")},
      {FieldRole::Result, colors::BtnFace, colors::Blue, THX_TR_NOOP("Controls", "结果")},
      {FieldRole::NotApplicable, colors::BtnFace, colors::Gray, THX_TR_NOOP("Controls", "不适用")},
  };
  return legend;
}

}  // namespace tharvex
