#pragma once
// Icons of the tool bar (the desktop's theme icons, with drawn stand-ins
// where the theme lacks one), the property-database button and the picture
// of the author window.
#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace tharvex::gui {

// Icon of tool button `name` (tbNew, tbOpen, ...); `hint` labels the stand-in.
QIcon ToolIcon(std::string_view name, const QString& hint);
QIcon PropertyDatabaseIcon();
QPixmap AuthorPicture();
QIcon AppIcon();

}  // namespace tharvex::gui
