// What the calculation sheet says: its sections built from the window's
// controls, the calculation's trace and the method's description.
#include <algorithm>
#include <set>

#include "core/app/date_time_format.h"
#include "core/app/main_model.h"
#include "core/engine/method/method.h"
#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/help/about.h"
#include "core/mainwin/main_window_table.h"
#include "core/output/export_data.h"
#include "core/output/report_format.h"
#include "core/output/sheet.h"
#include "core/output/sheet_method.h"

namespace tharvex::sheet {

namespace {

using exportdata::DataRow;
using exportdata::FieldState;
using mainwin::ControlDef;

// Groups of the process tab, in the order the sheet lists their inputs:
// process data of both sides, geometry, design rules, then the rest.
constexpr std::string_view kInputGroups[] = {
    "GBShellBlanace", "GBTubeBlanace", "GBFinStru", "GBBaseStru", "GBBoxStru",
    "GBBoxRes",       "GBTubeRes",     "GBShare",   "GBGeneral",
};

// Results by topic. An entry starting with "=" is a value of the
// calculation's trace: "=<trace label>|<caption>|<symbol>".
struct Topic {
  std::string_view title;
  std::vector<std::string_view> entries;
};

const std::vector<Topic>& Topics() {
  static const std::vector<Topic> topics{
      {THX_TR_NOOP("Sheet", "热量平衡"), {"QsD", "QeD", "HTsD", "QtD", "HTtD", "QaD"}},
      {THX_TR_NOOP("Sheet", "壳程传热"),
       {"UempD", "UmaxD", "=Res=|壳程雷诺数|Res", "=Prs=|壳程普朗特数|Prs", "afD", "btaD", "ytaD", "asD", "DpsD"}},
      {THX_TR_NOOP("Sheet", "管程传热"), {"UtD", "=Ret=|管程雷诺数|Ret", "=Prt=|管程普朗特数|Prt", "atD", "DptD"}},
      {THX_TR_NOOP("Sheet", "温差、传热系数与面积"), {"AdtD", "CdtD", "KaD", "AcD", "ArD", "AwrD", "CsD"}},
      {THX_TR_NOOP("Sheet", "箱体及布管"), {"NtD", "NhD", "NwD", "HbxD", "WbxD", "LsD", "afaD"}},
      {THX_TR_NOOP("Sheet", "管口"), {"DppSD", "UpSD", "dipSD", "DppTD", "UpTD", "DipTD"}},
  };
  return topics;
}

// The captions inside the trace entries above, for the catalogue.
[[maybe_unused]] constexpr const char* kTraceCaptions[] = {
    THX_TR_NOOP("Sheet", "壳程雷诺数"), THX_TR_NOOP("Sheet", "壳程普朗特数"), THX_TR_NOOP("Sheet", "管程雷诺数"),
    THX_TR_NOOP("Sheet", "管程普朗特数")};

const std::vector<const char*> kFieldHeader{THX_TR_NOOP("Sheet", "名称"), THX_TR_NOOP("Sheet", "代号"),
                                            THX_TR_NOOP("Sheet", "数值"), THX_TR_NOOP("Sheet", "单位"),
                                            THX_TR_NOOP("Sheet", "状态")};
const std::vector<double> kFieldWidths{3.2, 1.6, 2.4, 2.0, 1.2};

bool IsNozzle(const std::string& name) {
  const ControlDef* d = mainwin::FindDef(name);
  return d && d->role == mainwin::Role::Noz;
}

std::string BaseName(const std::string& valueName) {
  const ControlDef* d = mainwin::FindDef(valueName);
  return d ? std::string(d->name) : valueName;
}

std::vector<std::string> FieldRow(const DataRow& r) {
  return {r.caption, BaseName(r.name), r.text, r.unit.empty() ? std::string("—") : r.unit,
          std::string(exportdata::StateCaption(r.state))};
}

bool IsResultState(FieldState s) {
  return s == FieldState::Result || s == FieldState::Solved || s == FieldState::Stale;
}

Block Heading(std::string text) { return Block{Block::Kind::Heading, std::move(text), {}, false}; }
Block SubHeading(std::string text) { return Block{Block::Kind::SubHeading, std::move(text), {}, false}; }
Block Paragraph(std::string text, bool flagged = false) {
  return Block{Block::Kind::Paragraph, std::move(text), {}, flagged};
}
Block TableBlock(Table t) { return Block{Block::Kind::Table, {}, std::move(t), false}; }

Table FieldTable() {
  Table t;
  for (const char* h : kFieldHeader) t.header.push_back(i18n::Tr(i18n::kSheet, h));
  t.widths = kFieldWidths;
  return t;
}

void AddRow(Table& t, std::vector<std::string> row, bool flagged = false) {
  t.rows.push_back(std::move(row));
  t.flagged.push_back(flagged);
}

void Inputs(const Form& form, const std::vector<DataRow>& rows, std::vector<Block>& out) {
  out.push_back(Heading(i18n::Tr("Sheet", "1  输入数据")));
  out.push_back(Paragraph(i18n::Tr("Sheet", "数值按窗口中所选单位列出；状态“求解”表示由热量平衡求得的数值。")));
  for (std::string_view group : kInputGroups) {
    const Control* g = form.Find(group);
    if (!g) continue;
    Table t = FieldTable();
    for (const DataRow& r : rows) {
      const ControlDef* d = mainwin::FindDef(r.name);
      if (!d || d->parent != group || IsNozzle(r.name)) continue;
      if (r.state != FieldState::Input && r.state != FieldState::Solved) continue;
      AddRow(t, FieldRow(r));
    }
    if (t.rows.empty()) continue;
    out.push_back(SubHeading(i18n::Tr(i18n::kControls, g->caption())));
    out.push_back(TableBlock(std::move(t)));
  }
}

void Results(const Form& form, const std::vector<DataRow>& rows, std::vector<Block>& out) {
  out.push_back(Heading(i18n::Tr("Sheet", "2  计算结果")));
  std::set<std::string> shown;
  auto find = [&](std::string_view name) -> const DataRow* {
    for (const DataRow& r : rows)
      if (r.name == name) return &r;
    return nullptr;
  };
  for (const Topic& topic : Topics()) {
    Table t = FieldTable();
    for (std::string_view e : topic.entries) {
      if (e.front() == '=') {
        // A trace value: label|caption|symbol.
        std::string s(e.substr(1));
        size_t a = s.find('|'), b = s.find('|', a + 1);
        auto v = method::TraceValue(form, s.substr(0, a));
        if (v)
          AddRow(t, {i18n::Tr(i18n::kSheet, s.substr(a + 1, b - a - 1)), s.substr(b + 1), FormatGeneral(*v, 7, 4), "—",
                     exportdata::StateCaption(FieldState::Result)});
        continue;
      }
      const DataRow* r = find(e);
      if (!r || r->state == FieldState::Disabled) continue;
      if (!IsResultState(r->state) && !IsNozzle(r->name)) continue;
      AddRow(t, FieldRow(*r));
      shown.insert(r->name);
    }
    if (t.rows.empty()) continue;
    out.push_back(SubHeading(i18n::Tr(i18n::kSheet, topic.title)));
    out.push_back(TableBlock(std::move(t)));
  }
  // Whatever else the window shows as a result.
  Table rest = FieldTable();
  for (const DataRow& r : rows) {
    if (shown.count(r.name) || !IsResultState(r.state) || r.text.empty()) continue;
    const ControlDef* d = mainwin::FindDef(r.name);
    if (!d || std::find(std::begin(kInputGroups), std::end(kInputGroups), d->parent) == std::end(kInputGroups))
      continue;
    if (r.state == FieldState::Solved) continue;  // listed with the inputs
    AddRow(rest, FieldRow(r));
  }
  if (!rest.rows.empty()) {
    out.push_back(SubHeading(i18n::Tr("Sheet", "其他")));
    out.push_back(TableBlock(std::move(rest)));
  }
}

std::string InputsText(const std::vector<method::InputValue>& inputs) {
  std::string s;
  for (const auto& v : inputs) {
    if (!s.empty()) s += "，";
    s += v.symbol + " = " + (v.text.empty() ? std::string("—") : v.text);
    if (!v.unit.empty() && !v.text.empty()) s += " " + v.unit;
  }
  return s.empty() ? std::string("—") : s;
}

void Method(const method::MethodDescription& m, std::vector<Block>& out) {
  out.push_back(Heading(i18n::Tr("Sheet", "3  计算方法：") + m.name));
  if (m.correlations.empty()) {
    out.push_back(Paragraph(i18n::Tr("Sheet", "上一次计算未得到传热系数，没有可列出的关联式。")));
    return;
  }
  for (const method::Correlation& c : m.correlations) {
    out.push_back(SubHeading(c.quantity));
    Table t;
    t.header = {};
    t.widths = {1.6, 8.8};
    AddRow(t, {i18n::Tr("Sheet", "关联式"), c.name});
    AddRow(t, {i18n::Tr("Sheet", "公式"), c.formula});
    AddRow(t, {i18n::Tr("Sheet", "输入值"), InputsText(c.inputs)});
    AddRow(t,
           {i18n::Tr("Sheet", "适用范围"),
            c.rangeText() + (c.outside() ? "  ▲ " + i18n::Tr("Sheet", "超出适用范围") : "")},
           c.outside());
    out.push_back(TableBlock(std::move(t)));
  }
}

void Check(const std::vector<exportdata::CheckRow>& rows, std::vector<Block>& out) {
  out.push_back(Heading(i18n::Tr("Sheet", "4  设计校核")));
  Table t;
  t.header = {i18n::Tr("Sheet", "项目"), i18n::Tr("Sheet", "限值"), i18n::Tr("Sheet", "实际值"),
              i18n::Tr("Sheet", "结论")};
  t.widths = {2.6, 2.4, 2.4, 2.4};
  for (const auto& r : rows) {
    const bool fail = r.pass && !*r.pass;
    AddRow(t,
           {r.caption, r.limitText.empty() ? "—" : r.limitText, r.actualText.empty() ? "—" : r.actualText,
            std::string(exportdata::PassText(r.pass, r.limitDisabled))},
           fail);
  }
  out.push_back(TableBlock(std::move(t)));
}

void Warnings(const Form& form, const method::MethodDescription& m, const std::vector<exportdata::CheckRow>& check,
              std::vector<Block>& out) {
  out.push_back(Heading(i18n::Tr("Sheet", "5  警告与提示")));
  std::vector<std::string> lines;
  auto add = [&](std::string s) {
    if (!s.empty() && std::find(lines.begin(), lines.end(), s) == lines.end()) lines.push_back(std::move(s));
  };
  if (form.AnyStale())
    add(i18n::Tr("Sheet", "部分结果来自先前的计算（最近一次计算未能完成），标为“过期”，请核对输入后重新计算。"));
  for (const std::string& s : form.statusLog()) add(i18n::TrMessage(s));
  add(i18n::TrMessage(form.status(1)));
  for (const auto& c : m.correlations)
    if (c.outside())
      add(c.quantity + "：" + c.name + " " + i18n::Tr("Sheet", "超出适用范围") + "（" + c.rangeText() + "）");
  for (const auto& r : check)
    if (r.pass && !*r.pass)
      add(i18n::Tr("Sheet", "设计校核不合格") + "：" + r.caption + " " + r.limitText + "，" +
          i18n::Tr("Sheet", "实际") + " " + r.actualText);
  if (lines.empty()) {
    out.push_back(Paragraph(i18n::Tr("Sheet", "无。")));
    return;
  }
  for (const std::string& l : lines) out.push_back(Paragraph("▲ " + l, true));
}

void Drawing(const Document& doc, std::vector<Block>& out) {
  out.push_back(Heading(i18n::Tr("Sheet", "6  布管图")));
  bool tubes = std::any_of(doc.drawing.items.begin(), doc.drawing.items.end(),
                           [](const layout::DrawItem& i) { return i.kind == layout::DrawItem::Kind::Ellipse; });
  if (!tubes) {
    out.push_back(Paragraph(i18n::Tr("Sheet", "上一次计算没有得到布管图。")));
    return;
  }
  out.push_back(Block{Block::Kind::Drawing, {}, {}, false});
}

void Comments(const Form& form, std::vector<Block>& out) {
  out.push_back(Heading(i18n::Tr("Sheet", "7  注释")));
  for (auto [name, side] :
       {std::pair{"CmtsD", THX_TR_NOOP("Sheet", "壳程注释")}, std::pair{"CmttD", THX_TR_NOOP("Sheet", "管程注释")}}) {
    const Control* c = form.Find(name);
    std::string text;
    if (c)
      for (const std::string& l : c->lines()) text += (text.empty() ? "" : "\n") + l;
    if (TrimBlanks(text).empty()) text = i18n::Tr("Sheet", "（无）");
    out.push_back(SubHeading(i18n::Tr(i18n::kSheet, side)));
    out.push_back(Paragraph(text));
  }
}

// What the drawing does not show by itself: pitch, tube and fin size,
// arrangement, passes, casing size as the fields give it.
std::string DrawingCaption(const Form& form) {
  std::string s;
  auto add = [&](const char* name) {
    const ControlDef* d = mainwin::FindDef(name);
    const Control* c = form.Find(name);
    if (!d || !c || !c->enabled()) return;
    std::string text = exportdata::ShownText(*c);
    if (text.empty()) return;
    std::string unit;
    if (const Control* u = d->unit().empty() ? nullptr : form.Find(d->unit()))
      unit = u->kind() == ControlKind::TComboBoxU ? DisplayUnit(u->text()) : i18n::Tr(i18n::kControls, u->caption());
    const Control* l = form.FindNoCase(d->label());
    if (!s.empty()) s += "，";
    s += i18n::Tr(i18n::kControls, l ? l->caption() : std::string(d->caption)) + " " + text +
         (unit.empty() ? "" : " " + unit);
  };
  for (const char* n : {"dod", "hfD", "PtD", "CBTubArr", "PnD", "NtD", "NhD", "NwD", "HbxD", "WbxD", "LsD"}) add(n);
  return s;
}

// A method other than the standard one names its correlations in the
// engine's log of the last calculation: for each coefficient the
// correlation's equation, the values that went in and the range of its
// published data, flagged when the calculation ran outside it.
method::MethodDescription FromUseLog(const engine::method::UseLog& log, std::string name) {
  using engine::method::Role;
  static constexpr std::pair<Role, const char*> kRoles[] = {
      {Role::ShellFilm, THX_TR_NOOP("Sheet", "壳程膜系数")},    {Role::FinEfficiency, THX_TR_NOOP("Sheet", "翅片效率")},
      {Role::ShellDp, THX_TR_NOOP("Sheet", "壳程压力降")},      {Role::TubeFilm, THX_TR_NOOP("Sheet", "管内膜系数")},
      {Role::Correction, THX_TR_NOOP("Sheet", "温差校正系数")},
  };
  method::MethodDescription m;
  m.name = std::move(name);
  for (auto [role, caption] : kRoles) {
    const auto& use = log.At(role);
    if (use.corr == engine::method::Corr::None) continue;
    const engine::method::CorrText& text = engine::method::Formula(use.corr);
    method::Correlation c;
    c.quantity = i18n::Tr(i18n::kSheet, caption);
    c.name = i18n::Tr(i18n::kReport, engine::method::Name(use.corr));
    c.formula = i18n::Tr(i18n::kSheet, text.equation);
    for (size_t i = 0; i < text.inputs.size() && !text.inputs[i].symbol.empty(); ++i)
      c.inputs.push_back({i18n::Tr(i18n::kSheet, text.inputs[i].symbol), FormatGeneral(use.in[i], 7, 4),
                          std::string(text.inputs[i].unit)});
    c.note = i18n::Tr(i18n::kSheet, text.range);
    c.outsideData = use.outside;
    m.correlations.push_back(std::move(c));
  }
  return m;
}

// An English sheet writes the punctuation that joins its parts the English way.
void WesternPunctuation(Document& doc) {
  auto fix = [](std::string& s) { s = i18n::WesternPunctuation(s); };
  fix(doc.drawingCaption);
  fix(doc.title.method);
  for (Block& b : doc.blocks) {
    fix(b.text);
    for (std::string& h : b.table.header) fix(h);
    for (auto& row : b.table.rows)
      for (std::string& cell : row) fix(cell);
  }
}

}  // namespace

Document BuildSheet(const MainModel& model, const std::tm& when) {
  const Form& form = model.form();
  Document doc;
  const std::string& file = model.project().fileName;
  doc.title.project = file.empty() ? std::string(i18n::Tr("Sheet", "未命名")) : report::ProjectBaseName(file);
  doc.title.file = file;
  doc.title.dateTime = ShortDate(when) + " " + ShortTime(when);
  doc.title.program = std::string(help::kAboutVersionLine);
  doc.title.method = method::MethodName(form);
  doc.drawing = model.engine().drawing();
  doc.drawingCaption = DrawingCaption(form);

  const auto rows = exportdata::CollectRows(form);
  const auto check = exportdata::DesignCheck(form);
  const auto& log = model.engine().state().correlations;
  const auto m = log.method == engine::method::Kind::Standard ? method::DescribeMethod(form)
                                                              : FromUseLog(log, method::MethodName(form));
  Inputs(form, rows, doc.blocks);
  Results(form, rows, doc.blocks);
  Method(m, doc.blocks);
  Check(check, doc.blocks);
  Warnings(form, m, check, doc.blocks);
  Drawing(doc, doc.blocks);
  Comments(form, doc.blocks);
  if (i18n::Translating()) WesternPunctuation(doc);
  return doc;
}

bool ExportSheet(const MainModel& model, const std::string& path, std::string* error) {
  return WriteSheetPdf(BuildSheet(model, LocalNow()), path, error);
}

}  // namespace tharvex::sheet
