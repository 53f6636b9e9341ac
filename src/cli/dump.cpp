#include "cli/dump.h"

#include "core/fields/i18n.h"
#include "core/fields/units.h"
#include "core/mainwin/main_window_table.h"

namespace tharvex::cli {

namespace {

std::string_view CursorName(CursorKind c) { return c == CursorKind::No ? "no" : "default"; }

// The texts as the window would show them, beside the stored source texts
// (which scripts compare and project files keep): written only where they
// differ, so a Chinese dump with the unit symbols off is the plain one.
void AddShown(nlohmann::json& j, const char* key, const std::string& stored, const std::string& shown) {
  if (shown != stored) j[key] = shown;
}

void AddShownLines(nlohmann::json& j, const char* key, const std::vector<std::string>& lines) {
  std::vector<std::string> shown;
  bool differs = false;
  for (const auto& l : lines) {
    shown.push_back(i18n::TrMessage(l));
    differs = differs || shown.back() != l;
  }
  if (differs) j[key] = std::move(shown);
}

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
      case ControlKind::TEdit:
        j["fontColor"] = c.fontColor();
        AddShown(j, "textShown", c.text(), i18n::Tr(i18n::kItems, c.text()));
        break;
      case ControlKind::TComboBox:
      case ControlKind::TComboBoxU:
      case ControlKind::TPageControl:
        j["itemIndex"] = c.itemIndex();
        if (c.kind() == ControlKind::TComboBoxU) {
          j["unit"] = c.GetUnit();
          AddShown(j, "unitShown", c.GetUnit(), DisplayUnit(c.text()));
        } else if (c.kind() == ControlKind::TComboBox) {
          AddShown(j, "textShown", c.text(), i18n::ShowItem(c.text()));
        }
        break;
      case ControlKind::TCheckBox:
        j["checked"] = c.checked();
        j["caption"] = c.caption();
        AddShown(j, "captionShown", c.caption(), i18n::Tr(i18n::kControls, c.caption()));
        break;
      case ControlKind::TMemo:
      case ControlKind::TRichEdit:
      case ControlKind::TStatusBar:
        j["lines"] = c.lines();
        AddShownLines(j, "linesShown", c.lines());
        break;
      default:
        if (!c.caption().empty()) {
          j["caption"] = c.caption();
          AddShown(j, "captionShown", c.caption(), i18n::Tr(i18n::kControls, c.caption()));
        }
        break;
    }
    controls[c.name()] = std::move(j);
  }
  json out;
  out["controls"] = std::move(controls);
  out["resultsStale"] = form.AnyStale();
  out["status"] = json::array({form.status(0), form.status(1)});
  AddShownLines(out, "statusShown", {form.status(0), form.status(1)});
  json msgs = json::array();
  std::vector<std::string> texts;
  for (const auto& m : messages) {
    msgs.push_back(m.text);
    texts.push_back(m.text);
  }
  out["messages"] = std::move(msgs);
  AddShownLines(out, "messagesShown", texts);
  const Control* memo = form.Find("MemoMessage");
  out["memo"] = memo ? memo->lines() : std::vector<std::string>{};
  if (memo) AddShownLines(out, "memoShown", memo->lines());
  out["title"] = form.title();
  AddShown(out, "titleShown", form.title(), mainwin::ShownTitle(form.title()));
  return out;
}

}  // namespace tharvex::cli
