// The save-report command: the dialog it shows, cancelling, saving the hand
// edited report, and a failed write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/app/main_model.h"
#include "core/app/report_commands.h"
#include "tests/strict_message_sink.h"

namespace tharvex::report {
namespace {

namespace fs = std::filesystem;

// Answers the file dialog from a script and remembers what it was shown.
class ScriptedUi : public SessionUi {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  std::optional<std::string> ChooseFile(const FileDialogSpec& d) override {
    shown.push_back(d);
    return answer;
  }
  void Inform(const std::string& text, const std::string&) override { ADD_FAILURE() << "unexpected note " << text; }
  std::vector<FileDialogSpec> shown;
  std::optional<std::string> answer;
};

TEST(ReportSaveDialog, ProposesTheProjectNameInItsFolder) {
  auto d = ReportSaveDialog("/w/case1.zrf", "/home/u/Projects");
  EXPECT_EQ(d.title, "保存报表文件");
  EXPECT_EQ(d.filter, "报表文件(*.doc)|*.doc");
  EXPECT_EQ(d.defaultExt, "doc");
  EXPECT_EQ(d.fileName, "/w/case1.doc");
  EXPECT_EQ(d.folder, "/w");
  EXPECT_TRUE(d.save);

  d = ReportSaveDialog("", "/home/u/Projects");
  EXPECT_EQ(d.fileName, ".doc");
  EXPECT_EQ(d.folder, "/home/u/Projects");
  EXPECT_EQ(ReportSaveDialog("/case1.zrf", "/x").folder, "/");
}

TEST(ReportPdfDialog, ProposesThePdfBesideTheProject) {
  auto d = ReportPdfDialog("/w/case1.v2.zrf", "/home/u/Projects");
  EXPECT_EQ(d.title, "导出为 PDF");
  EXPECT_EQ(d.filter, "PDF 文件(*.pdf)|*.pdf");
  EXPECT_EQ(d.defaultExt, "pdf");
  EXPECT_EQ(d.fileName, "/w/case1.v2.pdf");
  EXPECT_EQ(d.folder, "/w");
  EXPECT_TRUE(d.save);
  d = ReportPdfDialog("", "/home/u/Projects");
  EXPECT_EQ(d.fileName, ".pdf");
  EXPECT_EQ(d.folder, "/home/u/Projects");
}

class ReportSave : public ::testing::Test {
 protected:
  fs::path dir = fs::path(::testing::TempDir()) / ("report_save_" + std::to_string(::getpid()));
  tharvex::testing::StrictMessageSink sink;
  MainModel model{sink};
  ScriptedUi ui;
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
};

TEST_F(ReportSave, CancelWritesNothing) {
  model.project().fileName = (dir / "case1.zrf").string();
  EXPECT_FALSE(MOSaveClick(model, ui, {{"x", 10, false}}, "/tmp"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].fileName, (dir / "case1.doc").string());
  EXPECT_EQ(ui.shown[0].folder, dir.string());
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ReportSave, SavesTheControlContentWithHandEdits) {
  auto built = MOReportClick(model);
  Control& re = model.form().At("ReReport");
  auto lines = re.lines();
  lines.push_back("审核：王工");
  re.setLines(lines);
  ui.answer = (dir / "r.doc").string();
  ASSERT_TRUE(MOSaveClick(model, ui, ReportContent(re, built), "/tmp"));
  std::ifstream f(dir / "r.doc", std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  // 审 U+5BA1 = 23457, 王 U+738B = 29579: the added line is in the file.
  EXPECT_NE(s.str().find("\\u23457"), std::string::npos);
  EXPECT_NE(s.str().find("\\u29579"), std::string::npos);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ReportSave, FailedWriteShowsAnError) {
  sink.Expect("无法写入文件");
  ui.answer = (dir / "missing" / "r.doc").string();
  EXPECT_FALSE(MOSaveClick(model, ui, {{"x", 10, false}}, "/tmp"));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Error);
  EXPECT_NE(sink.shown[0].text.find("r.doc"), std::string::npos);
}

}  // namespace
}  // namespace tharvex::report
