#include "gui/icons.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <map>
#include <string>

#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

void UseInstalledTheme() {
  static bool done = false;
  if (done) return;
  done = true;
  if (!QIcon::themeName().isEmpty() && QIcon::themeName() != QLatin1String("hicolor")) return;
  for (const char* theme : {"Adwaita", "breeze", "Tango", "gnome"})
    for (const QString& dir : QIcon::themeSearchPaths())
      if (QDir(dir + QLatin1Char('/') + QLatin1String(theme)).exists()) {
        QIcon::setThemeName(QLatin1String(theme));
        return;
      }
}

// A drawn stand-in: a rounded square in the command's colour with the first
// character of its hint.
QIcon DrawnIcon(const QString& hint, QColor colour) {
  QPixmap pm(24, 24);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(colour.darker(140));
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 4, 4);
  QFont f = UiFont();
  f.setPixelSize(13);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(2, 2, 20, 20), Qt::AlignCenter, hint.left(1));
  return QIcon(pm);
}

}  // namespace

QIcon ToolIcon(std::string_view name, const QString& hint) {
  UseInstalledTheme();
  struct Choice {
    const char* theme;
    const char* alt;
    QColor colour;
  };
  static const std::map<std::string, Choice, std::less<>> choices{
      {"tbNew", {"document-new", nullptr, QColor(70, 130, 180)}},
      {"tbOpen", {"document-open", "folder-open", QColor(200, 150, 40)}},
      {"tbSave", {"document-save", "media-floppy", QColor(60, 120, 200)}},
      {"tbAs", {"document-save-as", nullptr, QColor(60, 120, 200)}},
      {"tbTemp", {"emblem-documents", "document-properties", QColor(120, 100, 170)}},
      {"tbExit", {"application-exit", "system-log-out", QColor(190, 60, 50)}},
      {"tbCalc", {"accessories-calculator", "view-refresh", QColor(40, 120, 160)}},
      {"tbOpt1", {"system-run", "media-playback-start", QColor(50, 150, 80)}},
      {"btReport", {"accessories-text-editor", "x-office-document", QColor(90, 110, 130)}},
      {"tbSaveRep", {"document-send", "document-export", QColor(90, 110, 130)}},
      {"tbPrint", {"document-print", "printer", QColor(90, 90, 90)}},
      {"ToolButton6", {"edit-delete", "edit-clear", QColor(200, 90, 40)}},
      {"tbTools", {"applications-utilities", "accessories-calculator", QColor(110, 110, 60)}},
  };
  auto it = choices.find(name);
  const QColor colour = it != choices.end() ? it->second.colour : QColor(100, 100, 100);
  if (it != choices.end()) {
    QIcon icon = QIcon::fromTheme(QLatin1String(it->second.theme));
    if (icon.isNull() && it->second.alt) icon = QIcon::fromTheme(QLatin1String(it->second.alt));
    if (!icon.isNull()) return icon;
  }
  return DrawnIcon(hint, colour);
}

QIcon PropertyDatabaseIcon() {
  // A small database cylinder.
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor body(70, 120, 180);
  p.setPen(body.darker(150));
  p.setBrush(body);
  QPainterPath path;
  path.addRect(QRectF(2.5, 4, 11, 8));
  p.drawPath(path);
  p.setBrush(body.lighter(140));
  p.drawEllipse(QRectF(2.5, 1.5, 11, 5));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(2.5, 9.5, 11, 5), 180 * 16, 180 * 16);
  p.drawArc(QRectF(2.5, 5.5, 11, 5), 180 * 16, 180 * 16);
  return QIcon(pm);
}

QPixmap AuthorPicture() {
  // A finned tube seen from its end: the picture of the author box.
  QPixmap pm(240, 180);
  pm.fill(QColor(250, 250, 245));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(120, 80);
  p.setPen(QPen(QColor(120, 130, 140), 1));
  for (int r = 62; r > 30; r -= 4) p.drawEllipse(c, r, r);
  p.setBrush(QColor(180, 110, 60));
  p.setPen(QPen(QColor(110, 60, 30), 2));
  p.drawEllipse(c, 28, 28);
  p.setBrush(QColor(230, 240, 250));
  p.drawEllipse(c, 22, 22);
  QFont f = UiFont();
  f.setPointSize(11);
  p.setFont(f);
  p.setPen(QColor(40, 40, 40));
  p.drawText(QRect(0, 148, 240, 26), Qt::AlignCenter,
             QCoreApplication::translate("Icons", "Tharvex 箱式换热器热力计算"));
  return pm;
}

QIcon AppIcon() {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 70, 80), 1.5));
  p.setBrush(QColor(225, 232, 240));
  p.drawRect(QRectF(3.5, 5.5, 25, 21));
  p.setBrush(QColor(180, 110, 60));
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j) p.drawEllipse(QPointF(9.5 + i * 7, 12 + j * 8 + (i % 2) * 3), 2.6, 2.6);
  return QIcon(pm);
}

}  // namespace tharvex::gui
