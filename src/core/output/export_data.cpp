#include "core/output/export_data.h"

#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

#include "core/fields/colors.h"
#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/files/file_error.h"
#include "core/files/file_io.h"
#include "core/mainwin/main_window_table.h"
#include "core/output/export_file.h"

namespace tharvex::exportdata {

namespace {

using mainwin::ControlDef;
using mainwin::Entry;

bool IsDataEntry(const ControlDef& d) {
  if (d.entry != Entry::Quantity && d.entry != Entry::Text && d.entry != Entry::Combo && d.entry != Entry::Check)
    return false;
  const ControlDef* g = mainwin::FindDef(d.parent);
  return g && g->entry == Entry::Group && !(d.flags & mainwin::Hidden);
}

bool IsPercent(const ControlDef& d) { return d.entry == Entry::Text && d.unitLabel == "%"; }

std::string MaterialName(std::string_view item) {
  size_t bar = item.find('|');
  if (bar == std::string_view::npos) return std::string(TrimBlanks(item));
  return std::string(TrimBlanks(item.substr(0, bar)));
}

std::string CaptionOf(const Form& form, const ControlDef& d) {
  if (d.entry == Entry::Check) {
    const Control* c = form.Find(d.value());
    return i18n::Tr(i18n::kControls, c ? c->caption() : std::string(d.caption));
  }
  const Control* l = form.FindNoCase(d.label());
  return i18n::Tr(i18n::kControls, l ? l->caption() : std::string(d.caption));
}

std::string UnitOf(const Form& form, const ControlDef& d) {
  std::string u = d.unit();
  if (u.empty()) return {};
  const Control* c = form.Find(u);
  if (!c) return {};
  return c->kind() == ControlKind::TComboBoxU ? DisplayUnit(c->text()) : i18n::Tr(i18n::kControls, c->caption());
}

std::optional<double> SiOf(const ControlDef& d, const Control& c) {
  if (c.kind() == ControlKind::TEditD) {
    if (c.isEmpty()) return std::nullopt;
    try {
      return c.GetSIValue();
    } catch (const ConversionError&) {
      return std::nullopt;
    }
  }
  if (c.kind() == ControlKind::TEdit || (c.kind() == ControlKind::TComboBox && d.items == mainwin::ItemList::Passes)) {
    auto v = ParseLenient(c.text());
    if (!v) return std::nullopt;
    return IsPercent(d) ? *v / 100 : *v;
  }
  return std::nullopt;
}

}  // namespace

std::string_view StateName(FieldState s) {
  switch (s) {
    case FieldState::Input:
      return "input";
    case FieldState::Solved:
      return "solved";
    case FieldState::Result:
      return "result";
    case FieldState::Disabled:
      return "disabled";
    case FieldState::Stale:
      return "stale";
  }
  return "input";
}

std::string StateCaption(FieldState s) {
  const char* text = THX_TR_NOOP("Export", "输入");
  switch (s) {
    case FieldState::Input:
      break;
    case FieldState::Solved:
      text = THX_TR_NOOP("Export", "求解");
      break;
    case FieldState::Result:
      text = THX_TR_NOOP("Export", "结果");
      break;
    case FieldState::Disabled:
      text = THX_TR_NOOP("Export", "停用");
      break;
    case FieldState::Stale:
      text = THX_TR_NOOP("Export", "过期");
      break;
  }
  return i18n::Tr(i18n::kExport, text);
}

FieldState StateOf(const Form&, const Control& c) {
  if (!c.enabled()) return FieldState::Disabled;
  // Left from an earlier calculation, since the latest did not get that far.
  if (c.stale()) return FieldState::Stale;
  // The solver marks what it computed with the no-entry cursor; a project
  // file keeps only the read-only state and the colour, so a member of a
  // balance or nozzle relation that is read-only without the results' blue
  // text was solved as well.
  if (c.cursor() == CursorKind::No) return FieldState::Solved;
  if (c.isEdit() && c.readOnly()) {
    const ControlDef* d = mainwin::FindDef(c.name());
    const bool relation = d && (d->role == mainwin::Role::Bal || d->role == mainwin::Role::Noz);
    if (relation && c.fontColor() != colors::Blue) return FieldState::Solved;
    return FieldState::Result;
  }
  return FieldState::Input;
}

std::string ShownText(const Control& c) {
  switch (c.kind()) {
    case ControlKind::TEditD:
      return c.FloatStr();
    case ControlKind::TComboBox:
      return i18n::Tr(i18n::kItems, MaterialName(c.text()));
    case ControlKind::TCheckBox:
      return i18n::Tr(i18n::kExport, c.checked() ? THX_TR_NOOP("Export", "是") : THX_TR_NOOP("Export", "否"));
    default:
      return i18n::Tr(i18n::kItems, TrimBlanks(c.text()));
  }
}

std::vector<DataRow> CollectRows(const Form& form) {
  std::vector<DataRow> rows;
  for (const ControlDef& d : mainwin::Table()) {
    if (!IsDataEntry(d)) continue;
    const Control* c = form.Find(d.value());
    if (!c) continue;
    DataRow r;
    r.name = c->name();
    const Control* g = form.Find(d.parent);
    r.group = g ? i18n::Tr(i18n::kControls, g->caption()) : std::string(d.parent);
    r.caption = CaptionOf(form, d);
    r.si = SiOf(d, *c);
    r.text = ShownText(*c);
    r.unit = UnitOf(form, d);
    r.state = StateOf(form, *c);
    rows.push_back(std::move(r));
  }
  return rows;
}

// --- design check ---

namespace {

struct Limit {
  const char* limit;
  const char* actual;
  bool atLeast;  // the value must reach the limit (else stay below it)
  const char* unit;
};

constexpr Limit kLimits[] = {
    {"CsrD", "CsD", true, "1"},    {"LsmD", "LsD", false, "m"},  {"Us2D", "UempD", false, "m/s"},
    {"Ut2D", "UtD", false, "m/s"}, {"Ut1D", "UtD", true, "m/s"},
};

std::string WithUnit(const Form& form, const Control& c) {
  std::string text = ShownText(c);
  const ControlDef* d = mainwin::FindDef(c.name());
  std::string unit = d ? UnitOf(form, *d) : std::string();
  if (!text.empty() && !unit.empty()) text += " " + unit;
  return text;
}

}  // namespace

std::vector<CheckRow> DesignCheck(const Form& form) {
  std::vector<CheckRow> rows;
  for (const Limit& l : kLimits) {
    const Control* lim = form.Find(l.limit);
    const Control* act = form.Find(l.actual);
    if (!lim || !act) continue;  // the minimum tube velocity only where the window has it
    const ControlDef* ld = mainwin::FindDef(l.limit);
    const ControlDef* ad = mainwin::FindDef(l.actual);
    CheckRow r;
    r.name = l.limit;
    r.caption = ld ? CaptionOf(form, *ld) : std::string(l.limit);
    r.limitText = WithUnit(form, *lim);
    r.actualName = l.actual;
    r.actualText = WithUnit(form, *act);
    if (ld) r.limitSi = SiOf(*ld, *lim);
    if (ad) r.actualSi = SiOf(*ad, *act);
    r.unit = l.unit;
    // A limit that is switched off (rating mode has no optimiser limits) or
    // empty is not checked.
    r.limitDisabled = !lim->enabled();
    if (r.limitSi && r.actualSi && lim->enabled())
      r.pass = l.atLeast ? *r.actualSi >= *r.limitSi : *r.actualSi <= *r.limitSi;
    rows.push_back(std::move(r));
  }
  return rows;
}

std::string PassText(const std::optional<bool>& pass, bool limitDisabled) {
  if (!pass && !limitDisabled) return "—";
  const char* text = !pass   ? THX_TR_NOOP("Export", "不校核（限值停用）")
                     : *pass ? THX_TR_NOOP("Export", "合格")
                             : THX_TR_NOOP("Export", "不合格");
  return i18n::Tr(i18n::kExport, text);
}

// --- writers ---

std::string ShortestNumber(double v) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

std::string ToJson(const std::vector<DataRow>& rows, const std::vector<CheckRow>& check) {
  using nlohmann::json;
  json data = json::array();
  for (const DataRow& r : rows) {
    json j;
    j["name"] = r.name;
    j["group"] = r.group;
    j["caption"] = r.caption;
    j["si"] = r.si ? json(*r.si) : json(nullptr);
    j["text"] = r.text;
    j["unit"] = r.unit;
    j["state"] = StateName(r.state);
    data.push_back(std::move(j));
  }
  json checks = json::array();
  for (const CheckRow& c : check) {
    json j;
    j["name"] = c.name;
    j["caption"] = c.caption;
    j["limit"] = c.limitSi ? json(*c.limitSi) : json(nullptr);
    j["limitText"] = c.limitText;
    j["actualName"] = c.actualName;
    j["actual"] = c.actualSi ? json(*c.actualSi) : json(nullptr);
    j["actualText"] = c.actualText;
    j["unit"] = c.unit;
    j["pass"] = c.pass ? json(*c.pass) : json(nullptr);
    checks.push_back(std::move(j));
  }
  json out;
  out["quantities"] = std::move(data);
  out["designCheck"] = std::move(checks);
  return out.dump(2) + "\n";
}

namespace {

// A CSV field: quoted when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + "\"";
}

}  // namespace

std::string ToCsv(const std::vector<DataRow>& rows) {
  // UTF-8 with a byte-order mark, so spreadsheet programs read the captions
  // right; lines end in CR LF.
  std::string out = "\xEF\xBB\xBFname,group,caption,si,text,unit,state\r\n";
  for (const DataRow& r : rows) {
    out += CsvField(r.name) + "," + CsvField(r.group) + "," + CsvField(r.caption) + "," +
           (r.si ? ShortestNumber(*r.si) : std::string()) + "," + CsvField(r.text) + "," + CsvField(r.unit) + "," +
           std::string(StateName(r.state)) + "\r\n";
  }
  return out;
}

bool WriteJson(const Form& form, const std::string& path, std::string* error) {
  return WriteBytesSafely(path, ToJson(CollectRows(form), DesignCheck(form)), error);
}

bool WriteCsv(const Form& form, const std::string& path, std::string* error) {
  return WriteBytesSafely(path, ToCsv(CollectRows(form)), error);
}

}  // namespace tharvex::exportdata
