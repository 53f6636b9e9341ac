#pragma once
// The help viewer: the user manual (Markdown) beside its outline, opened at a
// bookmark. The program keeps one of it; asking for help again moves the same
// window to the new place.
#include <QTextBlock>
#include <QWidget>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/help/manual_index.h"

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace tharvex::gui {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows this manual; `baseDir` is the folder its pictures are relative to.
  void setManual(const std::string& markdown, const QString& baseDir);
  const help::ManualIndex& index() const { return index_; }

  // Opens at a keyword with the help command's fallbacks (the keyword, the
  // keyword and one blank, the glossary chapter) and shows the window.
  help::LookupResult openAt(std::string_view keyword);
  // Scrolls the pages so that the heading of the bookmark with this ordinal
  // is at the top; false when the pages hold no such heading.
  bool jumpTo(int ordinal);
  // The bookmark jumped to last, -1 before the first jump.
  int currentBookmark() const { return current_; }
  // The heading of a bookmark in the shown pages (invalid when missing).
  QTextBlock headingBlock(int ordinal) const;

  QTextBrowser* browser() const { return browser_; }
  QTreeWidget* outline() const { return outline_; }

 private:
  void mapHeadings();
  void buildOutline();
  void selectInOutline(int ordinal);
  void followScroll();
  void keepPinnedHeading();
  bool eventFilter(QObject* o, QEvent* e) override;

  help::ManualIndex index_;
  QTextBrowser* browser_;
  QTreeWidget* outline_;
  std::vector<QTreeWidgetItem*> items_;  // by bookmark ordinal
  std::vector<int> blockOf_;             // heading block number by ordinal, -1 when missing
  std::map<int, int> ordinalAt_;         // heading block number -> ordinal
  int current_ = -1;
  // The heading last jumped to stays at the top while the pages are laid out
  // again (the first showing of the window, a resize), until the user scrolls.
  int pinned_ = -1;
  bool scrolling_ = false;
};

}  // namespace tharvex::gui
