// --list-controls: the main window's controls as the control table defines
// them, so a script knows the names to pass to --set, --unit, --select, --check.
#include <map>
#include <nlohmann/json.hpp>

#include "cli/registry.h"
#include "core/mainwin/main_window_table.h"

namespace tharvex::cli {

namespace {

struct Row {
  std::string name, kind, caption, group, unitSelector;
  std::vector<std::string> units, items;
  bool enabled = false, typeable = false;
};

bool AcceptsTyping(const Control& c) {
  bool textual = c.isEdit() || c.kind() == ControlKind::TMemo || c.kind() == ControlKind::TRichEdit;
  return textual && c.enabled() && !c.readOnly() && c.visible();
}

// The rows of the controls a user acts on, read from a fresh window.
std::vector<Row> Rows(const Form& form) {
  std::vector<Row> rows;
  std::map<std::string_view, std::string_view> groupCaption;
  for (const auto& def : mainwin::Table())
    if (def.entry == mainwin::Entry::Group || def.entry == mainwin::Entry::Tab) groupCaption[def.name] = def.caption;
  for (const auto& def : mainwin::Table()) {
    using E = mainwin::Entry;
    if (def.entry != E::Quantity && def.entry != E::Text && def.entry != E::Combo && def.entry != E::Check &&
        def.entry != E::Memo && def.entry != E::Rich)
      continue;
    const Control* c = form.Find(def.value());
    if (!c) continue;
    Row r;
    r.name = c->name();
    r.kind = std::string(KindName(c->kind()));
    r.caption = std::string(def.caption);
    auto g = groupCaption.find(def.parent);
    r.group = std::string(g != groupCaption.end() && !g->second.empty() ? g->second : def.parent);
    if (r.caption.empty()) r.caption = r.group;  // a memo is named by the box that holds it
    r.enabled = c->enabled();
    r.typeable = AcceptsTyping(*c);
    if (def.units != UnitList::None) {
      r.unitSelector = def.unit();
      for (const auto& u : UnitDefs(def.units)) r.units.emplace_back(u.name);
    }
    if (c->kind() == ControlKind::TComboBox) r.items = c->items();
    rows.push_back(std::move(r));
  }
  return rows;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string s;
  for (const auto& p : parts) s += (s.empty() ? "" : ", ") + p;
  return s;
}

}  // namespace

void RegisterInfoActions(ActionTable& t) {
  t["--list-controls"] = {
      0,
      [](Context& ctx, const std::string&) {
        // Tab-separated: one line per control, the header first.
        ctx.out << "name\tkind\tcaption\tgroup\tenabled\ttypeable\tunit selector\tunits (index 0, 1, ...)\titems\n";
        for (const auto& r : Rows(ctx.model.form()))
          ctx.out << r.name << '\t' << r.kind << '\t' << r.caption << '\t' << r.group << '\t'
                  << (r.enabled ? "yes" : "no") << '\t' << (r.typeable ? "yes" : "no") << '\t' << r.unitSelector << '\t'
                  << Joined(r.units) << '\t' << Joined(r.items) << "\n";
      },
      "list the controls a user acts on: name, kind, caption, group, whether it is enabled and takes typing now, "
      "units, items"};

  t["--list-controls-json"] = {0,
                               [](Context& ctx, const std::string&) {
                                 nlohmann::json list = nlohmann::json::array();
                                 for (const auto& r : Rows(ctx.model.form()))
                                   list.push_back({{"name", r.name},
                                                   {"kind", r.kind},
                                                   {"caption", r.caption},
                                                   {"group", r.group},
                                                   {"enabled", r.enabled},
                                                   {"typeable", r.typeable},
                                                   {"unitSelector", r.unitSelector},
                                                   {"units", r.units},
                                                   {"items", r.items}});
                                 ctx.out << list.dump(2) << "\n";
                               },
                               "the same list as JSON"};
}

}  // namespace tharvex::cli
