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
      case colors::Window: return p.color(QPalette::Active, QPalette::Base);
      case colors::BtnFace: return p.color(QPalette::Active, QPalette::Button);
      case colors::WindowText: return p.color(QPalette::Active, QPalette::Text);
      default: return p.color(QPalette::Active, QPalette::Base);
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
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : {"Times New Roman", "Liberation Serif", "DejaVu Serif"})
      if (installed.contains(QLatin1String(name))) return QString::fromLatin1(name);
    return QStringLiteral("serif");
  }();
  QFont f(family);
  f.setPointSize(8);
  return f;
}

}  // namespace tharvex::gui
