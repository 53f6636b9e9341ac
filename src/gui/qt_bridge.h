#pragma once
// Conversions between the core's plain types and Qt's: UTF-8 text, window
// colours, the fonts of the window.
#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

namespace tharvex::gui {

inline QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string Ss(const QString& s) { return s.toUtf8().toStdString(); }

// A colour as the window records it: system colours (top byte 0xFF) map to
// the palette roles that play their part here, RGB ones are 0x00BBGGRR.
QColor WindowColour(int32_t colour);

// UI font of the window ("Noto Sans CJK SC", 9 pt) and the font of the value
// fields and unit selectors: the same sans-serif face, a little smaller.
QFont UiFont();
QFont ValueFont();

}  // namespace tharvex::gui
