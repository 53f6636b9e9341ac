#pragma once
// The main window's controls, in window order: the one description that the
// desktop program builds its widgets from, the project file walks, and the
// engine and the report look names up in.
#include <string>
#include <string_view>
#include <vector>

#include "core/fields/form.h"
#include "core/fields/i18n.h"
#include "core/fields/units.h"

namespace tharvex::mainwin {

enum class Entry {
  PageControl,
  Tab,
  Group,
  Quantity,
  Text,
  Combo,
  Check,
  Rich,
  Memo,
  Label,
  SpeedButton,
  PaintBox,
  StatusBar,
  Menu,
  ToolButton,
};

// Role of a quantity or text entry in the calculation.
enum class Role { None, In, Out, Bal, Noz, Mode };

enum Flag : unsigned {
  Fixed = 1u << 0,           // MyResolved false: the solver never computes it
  Result = 1u << 1,          // read-only, blue on button face
  Disabled = 1u << 2,        // not applicable at start
  Hidden = 1u << 3,          // not visible
  FaceReadOnly = 1u << 4,    // read-only on button face (not a result)
  Separator = 1u << 5,       // menu or tool-bar separator
  TopLevelAction = 1u << 6,  // a top-level menu item that acts itself
  Later = 1u << 7,           // added after the first project files: a file without it opens at the default
};

enum class ItemList { None, Phase, Arrangement, Material, Insulation, CalcType, OptType, Passes, Method };

struct ControlDef {
  Entry entry;
  std::string_view name;     // base name of quantities and labelled entries, else the control name
  std::string_view caption;  // label, group, tab, check-box or menu caption
  std::string_view parent;   // group, tab or menu holding it
  UnitList units = UnitList::None;
  std::string_view text = {};  // default text
  Role role = Role::None;
  unsigned flags = 0;
  ItemList items = ItemList::None;
  std::string_view unitLabel = {};  // caption of the unit label of a text entry
  std::string_view hint = {};
  int col = 0;  // column block inside its group (the desktop program lays blocks side by side)
  // Names that do not follow <base>D / <base>U / <base>L.
  std::string_view valueName = {};
  std::string_view unitName = {};
  std::string_view labelName = {};
  std::string_view myLabel = {};  // label the field's help lookup uses, when not its own

  std::string value() const;  // value control name
  std::string unit() const;   // unit selector or unit label name ("" when none)
  std::string label() const;  // caption label name ("" when none)
};

const std::vector<ControlDef>& Table();
const ControlDef* FindDef(std::string_view baseOrValueName);

// Item texts of a drop-down list.
std::vector<std::string> Items(ItemList list);

// Builds every control of the main window, in window order and initial state.
void Build(Form& form);

// Puts the controls added after the first project files back to their
// defaults, so that a file that does not record them opens as it always did.
void ResetLaterControls(Form& form);

// Names whose controls a project file leaves out.
inline const std::vector<std::string> kExcludedFromFile{"ReReport", "MemoMessage"};

inline constexpr const char* kTitle = THX_TR_NOOP("Controls", "箱式换热器热力计算-Tharvex");

// A window title as shown: the program's name translated, the project's
// file ("-[...]") as it is.
std::string ShownTitle(std::string_view title);

}  // namespace tharvex::mainwin
