#include "gui/shortcuts.h"

#include <map>
#include <string>

namespace tharvex::gui {

QList<QKeySequence> ShortcutsOf(std::string_view name) {
  static const std::map<std::string, QList<QKeySequence>, std::less<>> keys{
      {"MFNew", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
      {"MFOpen", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
      {"MFSave", {QKeySequence(Qt::CTRL | Qt::Key_S)}},
      {"MFAs", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
      {"MOPrint", {QKeySequence(Qt::CTRL | Qt::Key_P)}},
      {"MFExit", {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
      {"MRCalc", {QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_R)}},
      {"MEUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
      {"MERedo", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
  };
  auto it = keys.find(name);
  return it == keys.end() ? QList<QKeySequence>{} : it->second;
}

QString ShownKeyOf(std::string_view name) { return name == "MHDoc" ? QStringLiteral("F1") : QString(); }

}  // namespace tharvex::gui
