#include "gui/window_builder.h"

#include <QFontMetrics>
#include <QToolButton>
#include <algorithm>
#include <map>

#include "core/fields/units.h"
#include "core/mainwin/main_window_table.h"
#include "gui/bound_widgets.h"
#include "gui/column_page.h"
#include "gui/field_group.h"
#include "gui/icons.h"
#include "gui/language.h"
#include "gui/qt_bridge.h"
#include "gui/tcombobox_u.h"
#include "gui/tedit_d.h"

namespace tharvex::gui {

namespace {

using mainwin::ControlDef;
using mainwin::Entry;

constexpr int kGap = 6;
constexpr int kButtonWidth = 18;
constexpr int kMaxUnitWidth = 62;
constexpr int kMaxUnitWidthRoomy = 140;
constexpr int kMaxListWidth = 170;  // longer list items are elided (the open list shows them whole)
constexpr int kPageWidth = 1010;    // what the 1024-pixel window leaves a page
constexpr int kMemoMinHeight = 60;
constexpr int kToolMemoRows = 8;

// Widths a cell asks of its column.
struct Wants {
  int label = 0, unit = 0, extra = 0;
  int list = 0;  // a drop-down list spanning the value and unit cells
};

struct GroupBuild {
  const ControlDef* def = nullptr;
  FieldGroup* box = nullptr;
  std::vector<int> nextRow;         // per block
  std::vector<Wants> wants;         // per block
  std::vector<QWidget*> lastLabel;  // per block: the label of the last row
  void ensure(int block) {
    if (static_cast<int>(nextRow.size()) <= block) {
      nextRow.resize(static_cast<size_t>(block) + 1, 0);
      wants.resize(static_cast<size_t>(block) + 1);
      lastLabel.resize(static_cast<size_t>(block) + 1, nullptr);
    }
  }
};

int TextWidth(const QFont& f, const QString& s) { return QFontMetrics(f).horizontalAdvance(s); }

QWidget* MakeLabel(Binder& b, Form& form, const std::string& name, QWidget* parent) {
  Control* c = form.Find(name);
  if (!c) return nullptr;
  auto* l = new BoundLabel(b, *c, parent);
  l->setFont(UiFont());
  return l;
}

void AddRows(Binder& b, GroupBuild& g, const ControlDef& d, const PageBuildHooks& hooks) {
  Form& form = b.form();
  FieldGroup* box = g.box;
  const int blk = d.col;
  g.ensure(blk);
  int& row = g.nextRow[static_cast<size_t>(blk)];
  Wants& want = g.wants[static_cast<size_t>(blk)];
  QWidget*& lastLabel = g.lastLabel[static_cast<size_t>(blk)];
  auto label = [&](const std::string& name) {
    lastLabel = nullptr;
    if (QWidget* l = MakeLabel(b, form, name, box)) {
      box->addCell(l, blk, row, FieldGroup::Label);
      want.label = std::max(want.label, l->sizeHint().width());
      lastLabel = l;
    }
  };
  switch (d.entry) {
    case Entry::Quantity:
    case Entry::Text: {
      label(d.label());
      auto* e = new TEditD(b, form.At(d.value()), box);
      box->addCell(e, blk, row, FieldGroup::Value);
      if (d.entry == Entry::Quantity) {
        auto* u = new TComboBoxU(b, form.At(d.unit()), box);
        box->addCell(u, blk, row, FieldGroup::Unit);
        want.unit = std::max(want.unit, UnitSelectorWidth(u->control()));
      } else if (!d.unitLabel.empty()) {
        if (QWidget* u = MakeLabel(b, form, d.unit(), box)) {
          box->addCell(u, blk, row, FieldGroup::Unit);
          want.unit = std::max(want.unit, u->sizeHint().width());
        }
      }
      ++row;
      break;
    }
    case Entry::Combo: {
      label(d.label());
      auto* c = new TComboBoxU(b, form.At(d.value()), box);
      c->setFont(UiFont());
      if (!d.unitLabel.empty()) {
        box->addCell(c, blk, row, FieldGroup::Value);
        if (QWidget* u = MakeLabel(b, form, d.unit(), box)) box->addCell(u, blk, row, FieldGroup::Unit);
      } else {
        box->addCell(c, blk, row, FieldGroup::Value, 2);
        // Its longest item shown whole (English names run longer).
        for (int i = 0; i < c->count(); ++i)
          want.list = std::max(want.list, TextWidth(c->font(), c->itemText(i)) + TComboBoxU::kChrome + 1);
      }
      ++row;
      break;
    }
    case Entry::Check: {
      lastLabel = nullptr;
      auto* c = new BoundCheck(b, form.At(d.name), box);
      c->setFont(UiFont());
      box->addCell(c, blk, row, FieldGroup::Label, 3);
      ++row;
      break;
    }
    case Entry::Rich: {
      label(d.label());
      auto* t = new BoundText(b, form.At(d.value()), box);
      t->setFont(UiFont());
      box->addCell(t, blk, row, FieldGroup::Value, 2, 2);
      row += 2;
      break;
    }
    case Entry::Memo: {
      auto* t = new BoundText(b, form.At(d.name), box);
      t->setFont(ValueFont());
      box->addCell(t, blk, row, FieldGroup::Label, 3, kToolMemoRows);
      row += kToolMemoRows;
      break;
    }
    case Entry::Label: {
      QWidget* l = MakeLabel(b, form, std::string(d.name), box);
      if (!l) break;
      if (d.flags & mainwin::Hidden) {
        // Phase labels name the property columns on the group's title line.
        box->addTitleLabel(l, blk);
      } else {
        box->addCell(l, blk, row, FieldGroup::Label, 3);
        ++row;
      }
      break;
    }
    case Entry::SpeedButton: {
      auto* s = new QToolButton(box);
      s->setObjectName(Qs(d.name));
      s->setIcon(PropertyDatabaseIcon());
      s->setAutoRaise(true);
      s->setFocusPolicy(Qt::NoFocus);
      s->setToolTip(ControlText(d.hint));
      s->setStatusTip(ControlText(d.hint));
      Control& c = form.At(d.name);
      s->setEnabled(c.enabled());
      auto* bound = new BoundAction(b, c, new QAction(s));
      QObject::connect(bound->action(), &QAction::changed, s,
                       [s, a = bound->action()] { s->setEnabled(a->isEnabled()); });
      // Beside the property fields it serves: at the right end of the label
      // cell of the row above.
      s->setFixedSize(kButtonWidth, FieldGroup::kRowPitch - 2);
      box->addCornerButton(s, blk, std::max(0, row - 1));
      if (lastLabel) want.label = std::max(want.label, lastLabel->sizeHint().width() + kButtonWidth + 2);
      if (hooks.speedButton) hooks.speedButton(s, c);
      break;
    }
    default:
      break;
  }
}

}  // namespace

int UnitSelectorWidth(const Control& u) {
  int w = 0;
  for (const auto& item : u.items()) w = std::max(w, TextWidth(ValueFont(), ShownUnit(GetUnit(item))));
  return w + TComboBoxU::kChrome + 1;
}

ColumnPage* BuildPage(Binder& b, std::string_view tabName, const PageBuildHooks& hooks, QWidget* parent) {
  auto* page = new ColumnPage(parent);
  page->setFont(UiFont());
  std::vector<GroupBuild> groups;
  std::map<std::string_view, size_t> byName;
  const ControlDef* memo = nullptr;
  for (const ControlDef& d : mainwin::Table()) {
    if (d.entry == Entry::Group && d.parent == tabName) {
      GroupBuild g;
      g.def = &d;
      g.box = new FieldGroup(ControlText(d.caption), page);
      g.box->setObjectName(Qs(d.name));
      g.box->setFont(UiFont());
      byName[d.name] = groups.size();
      groups.push_back(std::move(g));
    } else if (d.entry == Entry::Memo && d.parent == tabName) {
      memo = &d;
    } else if (auto it = byName.find(d.parent); it != byName.end()) {
      AddRows(b, groups[it->second], d, hooks);
    }
  }

  // Column widths: the widest label, unit and button of each page column.
  std::map<int, Wants> columns;
  for (const GroupBuild& g : groups)
    for (size_t blk = 0; blk < g.wants.size(); ++blk) {
      Wants& w = columns[g.def->col + static_cast<int>(blk)];
      w.label = std::max(w.label, g.wants[blk].label);
      w.unit = std::max(w.unit, g.wants[blk].unit);
      w.extra = std::max(w.extra, g.wants[blk].extra);
      w.list = std::max(w.list, g.wants[blk].list);
    }
  // Unit selectors show their longest name in full where the page has room;
  // on a page that would not fit the window, long names are elided (the
  // tip shows them whole).
  std::map<int, BlockMetrics> metrics;
  auto measure = [&](int unitCap) {
    int total = kGap;
    metrics.clear();
    for (const auto& [col, w] : columns) {
      const int list = std::min(w.list, kMaxListWidth);
      const int unit = std::max(std::clamp(w.unit, 24, unitCap), list - kValueWidth - FieldGroup::kSpacing);
      BlockMetrics m{w.label, kValueWidth, unit, w.extra, 0};
      m.pageWidth = FieldGroup::ContentWidth(m) + 2 * FieldGroup::kMarginX;
      metrics[col] = m;
      total += m.pageWidth + kGap;
    }
    return total;
  };
  if (measure(kMaxUnitWidthRoomy) > kPageWidth) measure(kMaxUnitWidth);
  for (const auto& [col, m] : metrics) page->setColumnWidth(col, m.pageWidth);
  for (GroupBuild& g : groups) {
    std::vector<BlockMetrics> blocks;
    for (size_t blk = 0; blk < g.wants.size(); ++blk) blocks.push_back(metrics[g.def->col + static_cast<int>(blk)]);
    g.box->setMetrics(blocks, kGap);
    page->addGroup(g.box, g.def->col, static_cast<int>(blocks.size()));
  }
  if (memo) {
    auto* t = new BoundText(b, b.form().At(memo->name), page);
    t->setFont(ValueFont());
    t->setReadOnly(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    page->addFiller(t, memo->col, 2, kMemoMinHeight);
  }
  return page;
}

}  // namespace tharvex::gui
