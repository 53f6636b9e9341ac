#include "core/props/prop_record.h"

#include "core/fields/i18n.h"
#include "core/props/my_values.h"

namespace tharvex::props {

const std::array<PropFieldDef, kPropFieldCount>& PropFieldDefs() {
  static const std::array<PropFieldDef, kPropFieldCount> defs{{
      {PropField::NO, "NO", 6, THX_TR_NOOP("Props", "流水号")},
      {PropField::CN, "CN", 20, THX_TR_NOOP("Props", "中文名")},
      {PropField::EN, "EN", 20, THX_TR_NOOP("Props", "英文名")},
      {PropField::CP, "CP", 300, THX_TR_NOOP("Props", "比热")},
      {PropField::MD, "MD", 300, THX_TR_NOOP("Props", "密度")},
      {PropField::VI, "VI", 300, THX_TR_NOOP("Props", "黏度")},
      {PropField::TC, "TC", 300, THX_TR_NOOP("Props", "导热系数")},
      {PropField::ST, "ST", 300, THX_TR_NOOP("Props", "表面张力")},
      {PropField::HV, "HV", 300, THX_TR_NOOP("Props", "蒸发潜热")},
      {PropField::NT, "NT", 100, THX_TR_NOOP("Props", "注释")},
  }};
  return defs;
}

const PropFieldDef& DefOf(PropField f) { return PropFieldDefs()[static_cast<size_t>(f)]; }

std::optional<PropField> FindPropField(std::string_view name) {
  for (const auto& d : PropFieldDefs())
    if (SameName(d.name, name)) return d.field;
  return std::nullopt;
}

int CharCount(std::string_view utf8) {
  int n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::optional<std::string> CheckLengths(const PropRecord& r) {
  for (const auto& d : PropFieldDefs()) {
    const auto& v = r.Get(d.field);
    if (v && CharCount(*v) > d.maxLength)
      return i18n::Format(i18n::Tr("Props", "%1（%2）超过 %3 个字符"),
                          {i18n::Tr("Props", d.caption), d.name, std::to_string(d.maxLength)});
  }
  return std::nullopt;
}

}  // namespace tharvex::props
