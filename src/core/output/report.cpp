#include "core/output/report.h"

#include "core/fields/colors.h"
#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/mainwin/main_window_table.h"
#include "core/output/report_format.h"

namespace tharvex::report {

namespace {

enum class RowKind { Fields, Text, Separator, SubHeading };

// One row (or run of field rows) of a section. Names are control names of the
// main window; the texts in it are looked up when the report is built.
struct Row {
  RowKind kind = RowKind::Fields;
  std::vector<std::string_view> bases = {};  // Fields: quantity base names
  std::string_view labelOf = {};             // Text: control whose caption is the label; SubHeading: the text
  std::string_view valueOf = {};             // Text: control whose text is the value ("" gives "-")
  bool material = false;                     // Text: the value is the material name of a combo box
  std::string_view unitOf = {};              // Text: control whose caption is the unit ...
  std::string_view unitText = "-";           // ... else this literal unit
  std::string_view ifEnabled = {};           // written only while this control is enabled
  std::string_view ifChecked = {};           // written only while this check box is checked
  std::string_view ifItem = {};              // written only while this list shows another item than its first
  std::string_view ifText = {};              // written only while this field holds text
};

struct Section {
  std::string_view group;  // group box whose caption follows the number
  std::vector<Row> rows;
  std::vector<engine::method::Role> correlations = {};  // named after the rows
};

Row F(std::vector<std::string_view> bases, std::string_view ifEnabled = {}) {
  return Row{.kind = RowKind::Fields, .bases = std::move(bases), .ifEnabled = ifEnabled};
}
Row T(std::string_view label, std::string_view value, std::string_view unit = "-", std::string_view ifEnabled = {}) {
  return Row{.kind = RowKind::Text, .labelOf = label, .valueOf = value, .unitText = unit, .ifEnabled = ifEnabled};
}
Row TU(std::string_view label, std::string_view value, std::string_view unitOf, std::string_view ifEnabled = {}) {
  return Row{.kind = RowKind::Text, .labelOf = label, .valueOf = value, .unitOf = unitOf, .ifEnabled = ifEnabled};
}
Row M(std::string_view label, std::string_view combo) {
  return Row{.kind = RowKind::Text, .labelOf = label, .valueOf = combo, .material = true};
}
Row S() { return Row{.kind = RowKind::Separator}; }
Row H(std::string_view text) { return Row{.kind = RowKind::SubHeading, .labelOf = text}; }

const std::vector<Section>& Sections() {
  static const std::vector<Section> sections = [] {
    Row rotation{.kind = RowKind::Text, .labelOf = "CBRoate", .ifChecked = "CBRoate"};
    Row method{.kind = RowKind::Text, .labelOf = "MethodL", .valueOf = "MethodD", .ifItem = "MethodD"};
    Row lowestTube{.kind = RowKind::Fields, .bases = {"Ut1"}, .ifText = "Ut1D"};
    using engine::method::Role;
    return std::vector<Section>{
        {"GBGeneral",
         {T("CalTypeL", "CalTypeD", "-", "CalTypeD"), T("OML", "OMD", "-", "OML"), F({"Us2", "Ut2", "Lsm"}),
          TU("CsrL", "CsrD", "CsrU", "CsrD"), method, lowestTube}},
        {"GBShellBlanace",
         {F({"Cps", "Dens", "Ms", "Lds"}), S(), T("PhsL", "PhsD", "-", "PhsD"), TU("rh1L", "rh1D", "rh1U", "rh1D"),
          F({"Pw"}, "rh1D"), T("HTsL", "HTsD", "-", "HTsD"), F({"Ws", "Ts1", "Ts2", "Qs"})}},
        {"GBTubeBlanace",
         {F({"Cpt", "Dent", "Mt", "Ldt"}), S(), T("PhtL", "PhtD"), T("HTtL", "HTtD"),
          TU("LatL", "LatD", "LatU", "LatD"), T("Xt1L", "Xt1D", "-", "Xt1D"), T("Xt2L", "Xt2D", "-", "Xt2D"),
          F({"Wt", "Tt1", "Tt2", "Qt"})}},
        {"GBBoxStru",
         {T("TatL", "CBTubArr"), rotation, T("khwL", "khwD"), T("BayL", "BayD", THX_TR_NOOP("Report", "台")),
          F({"Hbx", "Wbx", "Ls", "Nw", "Sh1", "Sw", "afa", "Nh", "Sb"}), M("SmL", "SmD"), F({"Pb"}), M("PmL", "PmD"),
          TU("PnL", "PnD", "PnU"), F({"Nt"})}},
        {"GBFinStru", {F({"hf", "Pf", "Tf"}), M("FmL", "FmD"), T("btaL", "btaD"), T("ytaL", "ytaD")}},
        {"GBBaseStru", {F({"do", "di", "Pt"}), M("TmL", "TmD")}},
        {"GBBoxRes",
         {F({"Uemp", "Umax", "Dps", "Rs", "af", "as"})},
         {Role::ShellFilm, Role::FinEfficiency, Role::ShellDp}},
        {"GBTubeRes", {F({"Ut", "Utm", "Dpt", "Rt", "at"})}, {Role::TubeFilm}},
        {"GBShare",
         {F({"Qa", "Adt"}), T("CdtL", "CdtD"), TU("CsL", "CsD", "CsU"), F({"Ka", "Ac", "Ar", "Awr"})},
         {Role::Correction}},
        {"GBEnters",
         {H(THX_TR_NOOP("Controls", "壳程")), F({"DppS", "UpS", "dipS"}), H(THX_TR_NOOP("Controls", "管程")),
          F({"DppT", "UpT", "DipT"})}},
    };
  }();
  return sections;
}

// Caption of a control as shown, found ignoring case; empty when there is none.
std::string CaptionOf(const Form& form, std::string_view name) {
  const Control* c = form.FindNoCase(name);
  return c ? i18n::Tr(i18n::kControls, c->caption()) : std::string();
}

std::string TextOf(const Form& form, std::string_view name) {
  const Control* c = form.FindNoCase(name);
  return c ? c->text() : std::string();
}

// Material name of a combo item "name<blanks>|conductivity": the text before
// the first bar, trimmed; no bar gives an empty name.
std::string MaterialName(std::string_view item) {
  size_t bar = item.find('|');
  if (bar == std::string_view::npos) return {};
  return std::string(TrimBlanks(item.substr(0, bar)));
}

bool Written(const Form& form, const Row& row) {
  if (!row.ifEnabled.empty()) {
    const Control* c = form.FindNoCase(row.ifEnabled);
    if (!c || !c->enabled()) return false;
  }
  if (!row.ifChecked.empty()) {
    const Control* c = form.FindNoCase(row.ifChecked);
    if (!c || !c->checked()) return false;
  }
  if (!row.ifItem.empty()) {
    const Control* c = form.FindNoCase(row.ifItem);
    if (!c || c->itemIndex() <= 0) return false;
  }
  if (!row.ifText.empty()) {
    const Control* c = form.FindNoCase(row.ifText);
    if (!c || c->isEmpty()) return false;
  }
  return true;
}

StyledLine Body(std::string text) { return StyledLine{std::move(text), kBodySize, false}; }

void AppendRow(const Form& form, const Row& row, std::vector<StyledLine>& out) {
  if (!Written(form, row)) return;
  switch (row.kind) {
    case RowKind::Fields: {
      auto rows = FieldRows(form, row.bases, kValueDecimals);
      out.insert(out.end(), rows.begin(), rows.end());
      break;
    }
    case RowKind::Text: {
      // Values that are words (a list item, "热流体") are shown translated.
      std::string value = row.valueOf.empty() ? std::string("-")
                          : row.material      ? MaterialName(TextOf(form, row.valueOf))
                                              : TextOf(form, row.valueOf);
      value = i18n::Tr(i18n::kItems, value);
      std::string unit = row.unitOf.empty() ? i18n::Tr(i18n::kReport, row.unitText) : CaptionOf(form, row.unitOf);
      std::string line = ReportRow(CaptionOf(form, row.labelOf), value, unit);
      // The window shows a surplus short of the required one in red.
      const Control* shown = form.FindNoCase(row.valueOf);
      const bool shortfall = shown && shown->isEdit() && shown->fontColor() == colors::Red;
      if (shortfall) line += i18n::Tr(i18n::kReport, kShortfall);
      StyledLine body = Body(std::move(line));
      body.red = shortfall;
      out.push_back(std::move(body));
      break;
    }
    case RowKind::Separator:
      out.push_back(Body(std::string(kSeparator)));
      break;
    case RowKind::SubHeading:
      out.push_back(StyledLine{Heading(i18n::Tr(i18n::kControls, row.labelOf)), kHeadingSize, true});
      break;
  }
}

}  // namespace

std::vector<StyledLine> FieldRows(const Form& form, const std::vector<std::string_view>& bases, int decimals) {
  std::vector<StyledLine> out;
  for (std::string_view base : bases) {
    const mainwin::ControlDef* def = mainwin::FindDef(base);
    if (!def) continue;
    const Control* field = form.Find(def->value());
    if (!field || !field->enabled()) continue;
    std::string unit(20, ' ');
    const Control* selector = def->unit().empty() ? nullptr : form.Find(def->unit());
    if (selector && selector->kind() == ControlKind::TComboBoxU) unit = CutPad(DisplayUnit(selector->text()), 20);
    // Tube and column counts are whole numbers.
    const bool count = def->units == UnitList::TubeCount || def->units == UnitList::ColumnCount;
    out.push_back(Body("        " + PadRight(CaptionOf(form, def->label()), LabelWidth()) +
                       ValueColumn(field->text(), count ? 0 : decimals, ValueWidth()) + unit));
  }
  return out;
}

namespace {

// What each correlation of a section gave.
std::string_view RoleCaption(engine::method::Role r) {
  using engine::method::Role;
  switch (r) {
    case Role::ShellFilm:
      return THX_TR_NOOP("Report", "膜系数关联式");
    case Role::FinEfficiency:
      return THX_TR_NOOP("Report", "翅片效率");
    case Role::ShellDp:
      return THX_TR_NOOP("Report", "压力降关联式");
    case Role::TubeFilm:
      return THX_TR_NOOP("Report", "膜系数关联式");
    case Role::Correction:
      return THX_TR_NOOP("Report", "温差校正");
    case Role::Count:
      break;
  }
  return "";
}

void AppendCorrelations(const Section& s, const engine::method::UseLog* used, std::vector<StyledLine>& out) {
  if (!used || used->method != engine::method::Kind::Engineering) return;
  for (auto role : s.correlations) {
    const auto& use = used->At(role);
    if (use.corr == engine::method::Corr::None) continue;
    std::string line = "        " + PadRight(i18n::Tr(i18n::kReport, RoleCaption(role)), LabelWidth()) +
                       i18n::Tr(i18n::kReport, engine::method::Name(use.corr));
    if (use.outside) line += "  " + i18n::Tr(i18n::kReport, THX_TR_NOOP("Report", "[超出适用范围]"));
    out.push_back(Body(std::move(line)));
  }
}

}  // namespace

std::vector<StyledLine> BuildReport(const Form& form, std::string_view projectFile,
                                    const engine::method::UseLog* used) {
  std::vector<StyledLine> out;
  out.push_back(StyledLine{"", kTitleSize, true});
  out.push_back(StyledLine{Title(projectFile), kTitleSize, true});
  if (form.AnyStale()) out.push_back(StyledLine{i18n::Tr(i18n::kReport, kStaleWarning), kHeadingSize, true, true});
  out.push_back(StyledLine{"", kHeadingSize, true});
  const auto& sections = Sections();
  for (size_t i = 0; i < sections.size(); ++i) {
    const Section& s = sections[i];
    out.push_back(StyledLine{Heading(std::to_string(i + 1) + "." + CaptionOf(form, s.group)), kHeadingSize, true});
    for (const Row& row : s.rows) AppendRow(form, row, out);
    AppendCorrelations(s, used, out);
    if (i + 1 < sections.size()) out.push_back(StyledLine{"", kTitleSize, true});
  }
  return out;
}

std::vector<std::string> Texts(const std::vector<StyledLine>& lines) {
  std::vector<std::string> texts;
  texts.reserve(lines.size());
  for (const auto& l : lines) texts.push_back(l.text);
  return texts;
}

std::vector<StyledLine> ReportContent(const Control& reReport, const std::vector<StyledLine>& built) {
  std::vector<StyledLine> out;
  const auto& lines = reReport.lines();
  out.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i < built.size() && built[i].text == lines[i])
      out.push_back(built[i]);
    else
      out.push_back(Body(lines[i]));
  }
  return out;
}

}  // namespace tharvex::report
