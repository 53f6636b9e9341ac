#pragma once
// Builds the pages of the main window from the core's control table: one
// group box per group, its fields in rows of label, value and unit, blocks
// of rows side by side, the groups of a page in aligned columns.
#include <QString>
#include <functional>
#include <string>

#include "gui/binder.h"

class QWidget;
class QAbstractButton;

namespace tharvex::gui {

class ColumnPage;

struct PageBuildHooks {
  // A speed button of a group (property database buttons) was created.
  std::function<void(QAbstractButton*, Control&)> speedButton;
};

// The page of tab `tabName`: its groups and panes, every control bound.
ColumnPage* BuildPage(Binder& binder, std::string_view tabName, const PageBuildHooks& hooks, QWidget* parent = nullptr);

// Width a unit selector needs to show its longest unit name in full.
int UnitSelectorWidth(const Control& unitSelector);

// Layout measures of a row of fields, in pixels.
inline constexpr int kRowHeight = 20;
inline constexpr int kValueWidth = 60;

}  // namespace tharvex::gui
