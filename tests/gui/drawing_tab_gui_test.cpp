// The drawing tab with a project opened from a file: nothing of another tab
// shows through its drawing area, and showing it (which reruns the
// calculation) leaves the opened project unmodified.
#include <QDir>
#include <QLayout>
#include <QTabWidget>
#include <algorithm>

#include "gui/drawing_page.h"
#include "test_paths.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

bool InLayout(QLayout* lay, const QWidget* w) {
  for (int i = 0; lay && i < lay->count(); ++i) {
    QLayoutItem* item = lay->itemAt(i);
    if (item->widget() == w || InLayout(item->layout(), w)) return true;
  }
  return false;
}

std::string Describe(const QWidget* w) {
  const QRect r = InWindow(w);
  return std::string(w->metaObject()->className()) + " '" + w->objectName().toStdString() + "' at " +
         std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
         std::to_string(r.height());
}

class DrawingTabTest : public MainWindowTest {
 protected:
  DrawingPage* page() { return window->drawingPage(); }
  void showTab(QWidget* tab) {
    window->pages()->setCurrentWidget(tab);
    QApplication::processEvents();
  }
  // As a double click on the file or `tharvex FILE` opens it.
  void open(const QString& name) {
    // What was shown before is thrown away: no question (a real box) first.
    model->SetModified(false);
    window->openFromOutside(QStringLiteral(THARVEX_SOURCE_DIR "/data/examples/") + name);
    QApplication::processEvents();
    ASSERT_EQ(QDir::cleanPath(QString::fromStdString(model->project().fileName)).section('/', -1), name);
  }
  bool modified() {
    window->refresh();
    EXPECT_EQ(window->isWindowModified(), model->project().modified) << "the title disagrees with the project";
    return model->project().modified;
  }

  // Visible widgets that lie over the drawing page without being part of it,
  // and children of the page that no layout places.
  std::vector<std::string> strays() {
    std::vector<std::string> found;
    std::vector<const QWidget*> over;
    const QRect area = InWindow(page());
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible() || w->isWindow() || w == page() || page()->isAncestorOf(w) || w->isAncestorOf(page()))
        continue;
      if (!InWindow(w).intersects(area)) continue;
      over.push_back(w);
      // Its own children go with it.
      if (std::find(over.begin(), over.end(), w->parentWidget()) == over.end())
        found.push_back("over the page: " + Describe(w));
    }
    for (QWidget* w : page()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (w->isVisible() && !InLayout(page()->layout(), w)) found.push_back("outside the layout: " + Describe(w));
    return found;
  }
};

TEST_F(DrawingTabTest, NothingShowsThroughTheDrawingInAnyViewOfAnyExample) {
  const QStringList examples = QDir(QStringLiteral(THARVEX_SOURCE_DIR "/data/examples")).entryList({"*.zrf"});
  ASSERT_FALSE(examples.isEmpty());
  for (const QString& name : examples) {
    SCOPED_TRACE(name.toStdString());
    // Opened with the drawing tab current, as `tharvex --page drawing FILE`
    // ends up, and switched to after opening.
    showTab(page());
    open(name);
    for (int v : {DrawingPage::Layout, DrawingPage::Section, DrawingPage::Map}) {
      page()->showView(static_cast<DrawingPage::View>(v));
      QApplication::processEvents();
      EXPECT_EQ(strays(), std::vector<std::string>{}) << "view " << v;
    }
    showTab(window->pages()->widget(0));
    open(name);
    showTab(page());
    EXPECT_EQ(strays(), std::vector<std::string>{});
  }
  page()->showView(DrawingPage::Layout);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DrawingTabTest, OpeningAndShowingTheTabsLeavesTheProjectUnmodifiedUntilAnEdit) {
  showTab(page());
  open(QStringLiteral("AirCooled-WaterCooler.zrf"));
  EXPECT_FALSE(modified());

  // Every tab in turn, the drawing tab rerunning the calculation each time.
  QTabWidget* tabs = window->pages();
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i < tabs->count(); ++i) {
      showTab(tabs->widget(i));
      EXPECT_FALSE(modified()) << "tab " << i;
    }
  EXPECT_FALSE(C("MFSave").enabled());

  // A real change is one.
  showTab(tabs->widget(0));
  ASSERT_EQ(C("Ts1D").text(), "30");  // an input whose exit recalculates
  typeAndTab("Ts1D", QStringLiteral("31"));
  EXPECT_TRUE(modified());
  showTab(page());
  EXPECT_TRUE(modified());
  EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
}  // namespace tharvex::gui::testing
