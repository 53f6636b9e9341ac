// The menu commands "导出计算书…" and "导出数据…" through the real window.
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <deque>
#include <fstream>
#include <sstream>

#include "core/app/paths.h"
#include "core/app/session_ui.h"
#include "gui/project_files.h"
#include "gui/qt_bridge.h"
#include "gui/report/report_service.h"
#include "gui/window_services.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

class ScriptedFiles : public SessionUi {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::optional<std::string> ChooseFile(const FileDialogSpec& d) override {
    shown.push_back(d);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  std::vector<FileDialogSpec> shown;
  std::deque<std::optional<std::string>> answers;
};

std::string Head(const std::string& file, size_t n) {
  std::ifstream f(file, std::ios::binary);
  std::string s(n, '\0');
  f.read(s.data(), static_cast<std::streamsize>(n));
  s.resize(static_cast<size_t>(f.gcount()));
  return s;
}

class ExportGui : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    window->services().report().setReportUi(&ui);
    openExample("AirCooler-Example.zrf");
    if (HasFatalFailure()) return;
    sink.shown.clear();
  }
  void TearDown() override {
    window->services().report().setReportUi(nullptr);
    MainWindowTest::TearDown();
  }
  QAction* inMenu(const char* menu, const char* action) {
    auto* m = window->menuBar()->findChild<QMenu*>(QString::fromLatin1(menu));
    if (!m) return nullptr;
    QAction* a = window->action(action);
    return m->actions().contains(a) ? a : nullptr;
  }
  std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }

  QTemporaryDir dir;
  ScriptedFiles ui;
};

TEST_F(ExportGui, SheetFromTheOutputMenu) {
  QAction* a = inMenu("MOutput", "MOSheet");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(), QStringLiteral("&C 导出计算书…"));
  ui.answers.push_back(path("sheet.pdf"));
  a->trigger();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "导出计算书");
  EXPECT_EQ(ui.shown[0].fileName, "AirCooler-Example.pdf");
  EXPECT_EQ(Head(path("sheet.pdf"), 5), "%PDF-");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ExportGui, DataFromTheFileMenuByExtension) {
  QAction* a = inMenu("MFile", "MFExport");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(), QStringLiteral("&X 导出数据…"));
  ui.answers = {path("d.xlsx"), path("d.json"), path("d.csv"), std::nullopt};
  for (int i = 0; i < 4; ++i) a->trigger();
  EXPECT_EQ(Head(path("d.xlsx"), 2), "PK");  // a zip container
  EXPECT_EQ(Head(path("d.json"), 1), "{");
  EXPECT_EQ(Head(path("d.csv"), 7), "\xEF\xBB\xBFname");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ExportGui, FailureIsAMessageAndTheWindowGoesOn) {
  ui.answers.push_back(path("no/such/folder/d.json"));
  window->action("MFExport")->trigger();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "导出数据");
  EXPECT_NE(sink.shown[0].text.find("d.json"), std::string::npos);
}

}  // namespace
}  // namespace tharvex::gui::testing
