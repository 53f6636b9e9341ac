// The drawing tab's views, the optimiser's map and the study panel driven
// through the real widgets. With THARVEX_SCREENSHOT_DIR set, each test also
// saves what it shows there.
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "core/app/ini_file.h"
#include "core/app/paths.h"
#include "gui/drawing_page.h"
#include "gui/project_files.h"
#include "gui/section_view.h"
#include "gui/study_panel.h"
#include "gui/sweep_map.h"
#include "gui/tube_drawing.h"
#include "gui/window_services.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

void Shot(QWidget* w, const QString& name) {
  const QString dir = qEnvironmentVariable("THARVEX_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QApplication::processEvents();
  w->grab().save(QDir(dir).filePath(name + ".png"));
}

class DrawingTest : public MainWindowTest {
 protected:
  void AirWaterCase(int passIndex) {
    Form& f = form();
    f.EnterText(C("WsD"), "5");
    f.EnterText(C("Ts1D"), "120");
    f.EnterText(C("Ts2D"), "60");
    f.EnterText(C("Tt1D"), "20");
    f.EnterText(C("Tt2D"), "40");
    f.SelectItem(C("PnD"), passIndex);
    f.Leave(C("PnD"));
    window->refresh();
  }
  DrawingPage* page() { return window->drawingPage(); }
  void OpenDrawingTab() {
    window->pages()->setCurrentIndex(window->pages()->indexOf(page()));
    QApplication::processEvents();
  }
};

TEST_F(DrawingTest, SectionViewShowsTheLayoutToScaleAndTheChoiceIsKept) {
  AirWaterCase(3);  // four passes
  OpenDrawingTab();
  auto* toSection = page()->findChild<QToolButton*>("DrawingView1");
  ASSERT_NE(toSection, nullptr);
  toSection->click();
  EXPECT_EQ(page()->view(), DrawingPage::Section);
  SectionView* v = page()->section();
  ASSERT_TRUE(v->sectionScene().valid);
  EXPECT_EQ(static_cast<long long>(v->sectionScene().tubes.size()), std::stoll(C("NtD").text()));
  EXPECT_EQ(v->sectionScene().passes, 4);
  Shot(window.get(), "section_4_passes");

  // The choice is written to the settings file, and a new window starts with it.
  const std::string settings = window->services().files().paths().settingsFile();
  EXPECT_EQ(IniFile::Load(settings).Read("Drawing", "View"), "section");

  // Keyboard zoom and fit.
  v->setFocus();
  const double fitted = v->zoom();
  QTest::keyClick(v, Qt::Key_Plus);
  EXPECT_NEAR(v->zoom(), fitted * 1.25, 1e-9);
  QTest::keyClick(v, Qt::Key_Minus);
  QTest::keyClick(v, Qt::Key_Minus);
  EXPECT_LT(v->zoom(), fitted);
  QTest::keyClick(v, Qt::Key_0);
  EXPECT_NEAR(v->zoom(), fitted, 1e-9);

  // Export in the three formats.
  QTemporaryDir dir;
  for (const char* f : {"svg", "png", "pdf"}) {
    const QString file = dir.filePath(QStringLiteral("s.") + f);
    EXPECT_TRUE(v->exportFile(file, f)) << f;
    EXPECT_GT(QFileInfo(file).size(), 100) << f;
  }
  EXPECT_FALSE(v->exportFile(dir.filePath("no/such/dir/s.png"), "png"));
  EXPECT_TRUE(window->drawing()->exportPdf(dir.filePath("layout.pdf")));

  page()->findChild<QToolButton*>("DrawingView0")->click();
  EXPECT_EQ(IniFile::Load(settings).Read("Drawing", "View"), "layout");
}

TEST_F(DrawingTest, LargeBundleZoomedOutAndIn) {
  AirWaterCase(3);
  // About 10000 tubes: many tubes from a high flow at a low tube velocity.
  form().EnterText(C("WsD"), "175");
  form().EnterText(C("UtmD"), "0.05");
  window->refresh();
  OpenDrawingTab();
  page()->showView(DrawingPage::Section);
  SectionView* v = page()->section();
  ASSERT_TRUE(v->sectionScene().valid);
  EXPECT_GT(v->sectionScene().tubes.size(), 8000u) << C("NtD").text();
  Shot(window.get(), "section_large_fitted");
  v->zoomBy(12);
  const section::Point first = v->sectionScene().tubes.front();
  v->centerOn(first.x, -first.y);  // the air inlet's top corner
  Shot(window.get(), "section_large_zoomed");
  page()->showView(DrawingPage::Layout);
}

TEST_F(DrawingTest, OptimiserMapAfterTheSweep) {
  AirWaterCase(1);
  form().SelectItem(C("OMD"), 1);  // "最优"
  window->refresh();
  window->command("MROpt1");
  EXPECT_EQ(form().status(1), "优化设计成功！");
  OpenDrawingTab();
  page()->showView(DrawingPage::Map);
  SweepMap* map = page()->map();
  ASSERT_FALSE(map->chart()->series().isEmpty());
  bool accepted = false;
  for (QAbstractSeries* s : map->chart()->series()) accepted |= s->name().startsWith(QStringLiteral("采用点"));
  EXPECT_TRUE(accepted);
  QTemporaryDir dir;
  EXPECT_TRUE(map->exportFile(dir.filePath("m.png"), "png"));
  EXPECT_TRUE(map->exportFile(dir.filePath("m.svg"), "svg"));
  Shot(window.get(), "optimiser_map");
  page()->showView(DrawingPage::Layout);
}

TEST_F(DrawingTest, StudyOnTheToolsTabLeavesTheCaseAlone) {
  AirWaterCase(1);
  std::vector<std::string> before;
  for (const auto& c : form().controls()) before.push_back(c->text());
  window->command("MTools");
  StudyPanel* p = window->study();
  ASSERT_NE(p, nullptr);
  p->setStudy("WsD", 4, 6, 11, {"CsD", "KaD", "DpsD"});
  ASSERT_TRUE(p->run());
  EXPECT_EQ(p->table()->rowCount(), 11);
  EXPECT_EQ(p->table()->columnCount(), 5);  // input, three results, status
  EXPECT_EQ(p->plots()->findChildren<QChartView*>().size(), 3);
  std::vector<std::string> after;
  for (const auto& c : form().controls()) after.push_back(c->text());
  EXPECT_EQ(after, before);
  EXPECT_TRUE(sink.shown.empty());
  QTemporaryDir dir;
  EXPECT_TRUE(p->exportCsv(dir.filePath("s.csv")));
  EXPECT_TRUE(p->exportPng(dir.filePath("s.png")));
  Shot(p, "study_plot");
}

}  // namespace
}  // namespace tharvex::gui::testing
