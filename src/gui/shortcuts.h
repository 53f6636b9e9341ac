#pragma once
// The keys of the main window's commands, shown in the menus beside their
// captions.
#include <QKeySequence>
#include <QList>
#include <string_view>

namespace tharvex::gui {

// The keys of a menu command (empty when it has none). The first is the one
// the menu shows.
QList<QKeySequence> ShortcutsOf(std::string_view menuItem);

// Keys the window handles itself before any shortcut (F1 on a field opens
// the help at the field): the menu only names them.
QString ShownKeyOf(std::string_view menuItem);

}  // namespace tharvex::gui
