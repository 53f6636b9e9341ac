#include "cli/dump.h"

namespace tharvex::cli {

namespace {

std::string_view CursorName(CursorKind c) { return c == CursorKind::No ? "no" : "default"; }

}  // namespace

nlohmann::json DumpForm(const Form& form, const std::vector<Message>& messages) {
  using nlohmann::json;
  json controls = json::object();
  for (const auto& up : form.controls()) {
    const Control& c = *up;
    json j;
    j["kind"] = KindName(c.kind());
    j["text"] = c.text();
    j["enabled"] = c.enabled();
    j["readOnly"] = c.readOnly();
    j["visible"] = c.visible();
    j["color"] = c.color();
    j["cursor"] = CursorName(c.cursor());
    // Marks that only a few controls carry.
    if (c.stale()) j["stale"] = true;
    if (c.unreadable()) j["unreadable"] = true;
    switch (c.kind()) {
      case ControlKind::TEditD:
        j["display"] = c.OverlayText();
        j["exchange"] = c.exchange();
        j["myResolved"] = c.myResolved();
        j["fontColor"] = c.fontColor();
        break;
      case ControlKind::TEdit: j["fontColor"] = c.fontColor(); break;
      case ControlKind::TComboBox:
      case ControlKind::TComboBoxU:
      case ControlKind::TPageControl:
        j["itemIndex"] = c.itemIndex();
        if (c.kind() == ControlKind::TComboBoxU) j["unit"] = c.GetUnit();
        break;
      case ControlKind::TCheckBox:
        j["checked"] = c.checked();
        j["caption"] = c.caption();
        break;
      case ControlKind::TMemo:
      case ControlKind::TRichEdit:
      case ControlKind::TStatusBar: j["lines"] = c.lines(); break;
      default:
        if (!c.caption().empty()) j["caption"] = c.caption();
        break;
    }
    controls[c.name()] = std::move(j);
  }
  json out;
  bool stale = false;
  for (const auto& up : form.controls()) stale = stale || up->stale();
  out["controls"] = std::move(controls);
  out["resultsStale"] = stale;
  out["status"] = json::array({form.status(0), form.status(1)});
  json msgs = json::array();
  for (const auto& m : messages) msgs.push_back(m.text);
  out["messages"] = std::move(msgs);
  const Control* memo = form.Find("MemoMessage");
  out["memo"] = memo ? memo->lines() : std::vector<std::string>{};
  out["title"] = form.title();
  return out;
}

}  // namespace tharvex::cli
