#include "gui/help/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

constexpr int kOrdinalRole = Qt::UserRole;

QString AnchorName(int ordinal) { return QStringLiteral("bookmark-%1").arg(ordinal); }

// A bookmark title as the pages show it: inline marks ("**", "`", links)
// are Markdown's, not the heading's text.
QString ShownTitle(const std::string& title) {
  QString t = Qs(title).trimmed();
  if (!t.contains(QRegularExpression(QStringLiteral("[*_`\\[\\]<&]")))) return t;
  QTextDocument rendered;
  rendered.setMarkdown(t);
  return rendered.toPlainText().trimmed();
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QCoreApplication::translate("HelpWindow", "Tharvex 帮助"));
  // The help is a viewer beside the program: it does not keep the program
  // running once the main window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(UiFont());

  outline_ = new QTreeWidget;
  outline_->setObjectName(QStringLiteral("HelpOutline"));
  outline_->setHeaderHidden(true);
  outline_->setColumnCount(1);
  outline_->header()->setStretchLastSection(true);
  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("HelpPages"));
  browser_->setOpenExternalLinks(true);
  QFont text = UiFont();
  text.setPointSize(10);
  browser_->document()->setDefaultFont(text);

  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(outline_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 1);
  split->setSizes({260, 740});
  auto* lay = new QHBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->addWidget(split);
  resize(1000, 700);

  connect(outline_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) jumpTo(item->data(0, kOrdinalRole).toInt());
  });
  connect(browser_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { followScroll(); });
  // Scrolling by the user (wheel, keys, the scroll bar) ends the pin.
  connect(browser_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] {
    if (!scrolling_) pinned_ = -1;
  });
  // The pages are laid out for their width only once the window has its
  // final size: the first jump of a session was made against the old layout
  // and landed several headings too far. A new layout repeats the jump.
  connect(browser_->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
          [this] { keepPinnedHeading(); });
  browser_->viewport()->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject* o, QEvent* e) {
  if (o == browser_->viewport() && e->type() == QEvent::Resize) keepPinnedHeading();
  return QWidget::eventFilter(o, e);
}

void HelpWindow::keepPinnedHeading() {
  if (pinned_ < 0 || scrolling_) return;
  scrolling_ = true;
  browser_->scrollToAnchor(AnchorName(pinned_));
  scrolling_ = false;
}

void HelpWindow::setManual(const std::string& markdown, const QString& baseDir) {
  index_ = help::ManualIndex::FromMarkdown(markdown);
  browser_->setSearchPaths({baseDir});
  browser_->setMarkdown(Qs(help::WithoutAnchors(markdown)));
  mapHeadings();
  buildOutline();
  current_ = -1;
  pinned_ = -1;
}

void HelpWindow::mapHeadings() {
  // The bookmarks come from the Markdown source, the headings from Qt's
  // reading of it. They are paired by text in document order, so a heading
  // only one side sees (a setext heading, say) does not shift the rest.
  struct Heading {
    int block;
    QString text;
  };
  std::vector<Heading> headings;
  QTextDocument* doc = browser_->document();
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
    if (b.blockFormat().headingLevel() > 0) headings.push_back({b.blockNumber(), b.text().trimmed()});

  const auto& marks = index_.bookmarks();
  blockOf_.assign(marks.size(), -1);
  ordinalAt_.clear();
  size_t next = 0;
  for (size_t i = 0; i < marks.size(); ++i) {
    const QString title = ShownTitle(marks[i].title);
    for (size_t k = next; k < headings.size(); ++k) {
      if (headings[k].text != title) continue;
      blockOf_[i] = headings[k].block;
      ordinalAt_[headings[k].block] = static_cast<int>(i);
      next = k + 1;
      break;
    }
  }

  // A named anchor on each heading lets the browser scroll to it, also
  // before the window is first shown.
  for (size_t i = 0; i < blockOf_.size(); ++i) {
    if (blockOf_[i] < 0) continue;
    QTextBlock b = doc->findBlockByNumber(blockOf_[i]);
    QTextCursor c(b);
    c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setAnchor(true);
    f.setAnchorNames({AnchorName(static_cast<int>(i))});
    c.mergeCharFormat(f);
  }
  doc->setModified(false);
}

void HelpWindow::buildOutline() {
  QSignalBlocker block(outline_);
  outline_->clear();
  items_.assign(index_.bookmarks().size(), nullptr);
  // The nearest open item of each level: a section hangs under the last
  // chapter, a subsection under the last section.
  std::vector<QTreeWidgetItem*> open;
  for (const help::Bookmark& b : index_.bookmarks()) {
    auto* item = new QTreeWidgetItem({ShownTitle(b.title)});
    item->setData(0, kOrdinalRole, b.ordinal);
    item->setToolTip(0, item->text(0));
    if (blockOf_[static_cast<size_t>(b.ordinal)] < 0) item->setDisabled(true);
    const size_t depth = static_cast<size_t>(std::max(b.level, 1)) - 1;
    open.resize(std::min(open.size(), depth));
    if (open.empty())
      outline_->addTopLevelItem(item);
    else
      open.back()->addChild(item);
    open.push_back(item);
    items_[static_cast<size_t>(b.ordinal)] = item;
  }
  outline_->expandAll();
}

QTextBlock HelpWindow::headingBlock(int ordinal) const {
  if (ordinal < 0 || static_cast<size_t>(ordinal) >= blockOf_.size() || blockOf_[static_cast<size_t>(ordinal)] < 0)
    return {};
  return browser_->document()->findBlockByNumber(blockOf_[static_cast<size_t>(ordinal)]);
}

bool HelpWindow::jumpTo(int ordinal) {
  QTextBlock b = headingBlock(ordinal);
  if (!b.isValid()) return false;
  current_ = ordinal;
  pinned_ = ordinal;
  scrolling_ = true;
  browser_->setTextCursor(QTextCursor(b));
  browser_->scrollToAnchor(AnchorName(ordinal));
  scrolling_ = false;
  selectInOutline(ordinal);
  return true;
}

help::LookupResult HelpWindow::openAt(std::string_view keyword) {
  help::LookupResult r = index_.Lookup(keyword);
  if (r.bookmark) jumpTo(r.bookmark->ordinal);
  return r;
}

void HelpWindow::selectInOutline(int ordinal) {
  if (ordinal < 0 || static_cast<size_t>(ordinal) >= items_.size()) return;
  QSignalBlocker block(outline_);
  outline_->setCurrentItem(items_[static_cast<size_t>(ordinal)]);
  outline_->scrollToItem(items_[static_cast<size_t>(ordinal)]);
}

void HelpWindow::followScroll() {
  // While the heading jumped to is in view it stays the outline's choice
  // (the last headings of the manual cannot reach the top of the view).
  const QRect view = browser_->viewport()->rect();
  if (QTextBlock cur = headingBlock(current_); cur.isValid()) {
    const QRect r = browser_->cursorRect(QTextCursor(cur));
    if (view.intersects(r)) {
      selectInOutline(current_);
      return;
    }
  }
  const int top = browser_->cursorForPosition(view.topLeft()).blockNumber();
  auto it = ordinalAt_.upper_bound(top);
  if (it == ordinalAt_.begin()) return;
  selectInOutline(std::prev(it)->second);
}

}  // namespace tharvex::gui
