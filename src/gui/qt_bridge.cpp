#include "gui/qt_bridge.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include "core/fields/colors.h"

namespace tharvex::gui {

QColor WindowColour(int32_t colour) {
  if (static_cast<uint32_t>(colour) >> 24 == 0xFF) {
    const QPalette p = QApplication::palette();
    switch (colour) {
      case colors::Window:
        return p.color(QPalette::Active, QPalette::Base);
      case colors::BtnFace:
        return p.color(QPalette::Active, QPalette::Button);
      case colors::WindowText:
        return p.color(QPalette::Active, QPalette::Text);
      default:
        return p.color(QPalette::Active, QPalette::Base);
    }
  }
  const auto c = static_cast<uint32_t>(colour);
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QFont UiFont() {
  QFont f(QStringLiteral("Noto Sans CJK SC"));
  f.setPointSize(9);
  return f;
}

QFont ValueFont() {
  // Numbers in the interface's own sans-serif face, a little smaller than
  // the captions beside them.
  QFont f = UiFont();
  f.setPointSize(8);
  return f;
}

}  // namespace tharvex::gui
