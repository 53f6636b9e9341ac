// The project commands with scripted dialog answers: file name, modified
// flag, title, save command and recent files through new, open, save, save
// as, save as template, exit and recent-file picks.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include "core/app/project_session.h"
#include "core/app/recent_files.h"
#include "core/files/form_record.h"
#include "core/mainwin/main_window_table.h"
#include "test_paths.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;

// Answers prompts and dialogs from queues and records what was asked.
class ScriptedUi : public SessionUi {
 public:
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    asked.push_back(caption + text);
    EXPECT_FALSE(yesNo.empty()) << "unexpected question";
    if (yesNo.empty()) return false;
    bool a = yesNo.front();
    yesNo.pop_front();
    return a;
  }
  std::optional<std::string> ChooseFile(const FileDialogSpec& d) override {
    dialogs.push_back(d);
    EXPECT_FALSE(files.empty()) << "unexpected dialog " << d.title;
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
  }
  void Inform(const std::string& text, const std::string& caption) override { notes.push_back(caption + text); }
  std::vector<std::string> notes;
  std::deque<bool> yesNo;
  std::deque<std::optional<std::string>> files;
  std::vector<std::string> asked;
  std::vector<FileDialogSpec> dialogs;
};

AppPaths TestPaths(const fs::path& dir) {
  AppPaths p;
  p.supportsDir = (dir / "Supports").string();
  p.projectsDir = (dir / "Projects").string();
  return p;
}

fs::path TestDir() {
  fs::path dir = fs::temp_directory_path() / ("tharvex_session_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() { recent.setFileExt("zrf"); }
  ~SessionTest() override { fs::remove_all(dir); }

  std::string P(const std::string& name) const { return (dir / name).string(); }
  // A calculation run marks the project modified and enables saving.
  void Calculate(const std::string& text = "10") { form().EnterText(form().At("WsD"), text); }
  Form& form() { return model.form(); }
  bool SaveEnabled() { return form().At("MFSave").enabled(); }

  fs::path dir = TestDir();
  tharvex::testing::StrictMessageSink sink;
  MainModel model{sink};
  ScriptedUi ui;
  AppPaths paths = TestPaths(dir);
  MostRecentFiles recent{sink, "Tharvex"};
  ProjectSession session{model, ui, paths, &recent};
};

TEST_F(SessionTest, CalculationMarksModifiedAndSaveWritesTheProject) {
  EXPECT_FALSE(session.Modified());
  EXPECT_EQ(form().title(), mainwin::kTitle);
  Calculate();
  ASSERT_TRUE(session.Modified());
  EXPECT_TRUE(SaveEnabled());

  ui.files = {P("a.zrf")};
  EXPECT_TRUE(session.Save());
  EXPECT_EQ(ui.dialogs.at(0).title, "保存项目文件");
  EXPECT_EQ(ui.dialogs.at(0).filter, "Tharvex数据文件(*.zrf)|*.zrf");
  EXPECT_EQ(ui.dialogs.at(0).defaultExt, "zrf");
  EXPECT_EQ(ui.dialogs.at(0).folder, paths.projectsDir);
  EXPECT_TRUE(fs::exists(P("a.zrf")));
  EXPECT_EQ(session.ProjectFileName(), P("a.zrf"));
  EXPECT_EQ(form().title(), std::string(mainwin::kTitle) + "-[" + P("a.zrf") + "]");
  EXPECT_FALSE(session.Modified());
  EXPECT_FALSE(SaveEnabled());
  EXPECT_EQ(recent.files(), std::vector<std::string>{P("a.zrf")});

  // Not modified: save does nothing, asks nothing.
  EXPECT_FALSE(session.Save());
  EXPECT_EQ(ui.dialogs.size(), 1u);
  // Modified with a name: saved without a dialog.
  Calculate("11");
  EXPECT_TRUE(session.Save());
  EXPECT_EQ(ui.dialogs.size(), 1u);
}

TEST_F(SessionTest, OpenLoadsWithoutUnsavedChanges) {
  Calculate("7.5");
  ui.files = {P("b.zrf")};
  ASSERT_TRUE(session.SaveAs());
  Calculate("1");

  ui.yesNo = {false};  // discard
  ui.files = {P("b.zrf")};
  ASSERT_TRUE(session.Open());
  EXPECT_EQ(ui.asked.at(0), std::string(kSavePromptCaption) + kSavePrompt);
  EXPECT_EQ(ui.dialogs.back().title, "打开项目文件");
  EXPECT_EQ(ui.dialogs.back().filter, "Tharvex数据文件(*.zrf)|*.zrf|Tharvex模板文件(*.zrt)|*.zrt");
  EXPECT_EQ(form().At("WsD").text(), "7.5");
  EXPECT_FALSE(session.Modified());  // loading calculated, the title update cleared it
  EXPECT_FALSE(SaveEnabled());
  EXPECT_EQ(session.ProjectFileName(), P("b.zrf"));
}

// The drawing tab reruns the calculation whenever it is shown: on a project
// just opened that writes the same results back, which is nothing to save.
// A run counts as a change only when it leaves other records than the file's.
TEST_F(SessionTest, RerunOfAnOpenedProjectIsNoChangeButAnEditIs) {
  for (const auto& entry : fs::directory_iterator(fs::path(THARVEX_SOURCE_DIR) / "data/examples")) {
    if (entry.path().extension() != ".zrf") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ASSERT_TRUE(session.OpenFile(entry.path().string(), false));
    const uint64_t runs = model.engine().runs();
    model.Calculate(nullptr);
    model.Calculate(nullptr);
    EXPECT_GT(model.engine().runs(), runs);
    EXPECT_FALSE(session.Modified());
    EXPECT_FALSE(SaveEnabled());
  }
  ASSERT_TRUE(session.OpenFile(THARVEX_SOURCE_DIR "/data/examples/AirCooled-WaterCooler.zrf", false));
  // A comment changed without leaving its box, then a run: the run's results
  // are the file's, the comment is not.
  form().At("CmtsD").setLines({"改过"});
  model.Calculate(nullptr);
  EXPECT_TRUE(session.Modified());
  EXPECT_TRUE(SaveEnabled());

  // Saved, then an input changed: the run that follows is a change.
  ui.files = {P("e.zrf")};
  ASSERT_TRUE(session.SaveAs());
  model.Calculate(nullptr);
  EXPECT_FALSE(session.Modified());
  ASSERT_EQ(form().At("Ts1D").text(), "30");
  form().EnterText(form().At("Ts1D"), "31");
  EXPECT_TRUE(session.Modified());
}

TEST_F(SessionTest, AnsweringNoDiscardsAndDoesNotAskAgain) {
  Calculate();
  ui.yesNo = {false};
  EXPECT_TRUE(session.Exit());
  EXPECT_FALSE(session.Modified());
  EXPECT_TRUE(session.CloseQuery());  // the close request after exit asks nothing
  EXPECT_EQ(ui.asked.size(), 1u);
}

TEST_F(SessionTest, YesThenCancelAbandonsTheCommandAndKeepsChanges) {
  Calculate();
  ui.yesNo = {true};
  ui.files = {std::nullopt};  // the save dialog is cancelled
  EXPECT_FALSE(session.Exit());
  EXPECT_TRUE(session.Modified());
  EXPECT_TRUE(SaveEnabled());
  // The same for open: no open dialog follows.
  ui.yesNo = {true};
  ui.files = {std::nullopt};
  EXPECT_FALSE(session.Open());
  EXPECT_EQ(ui.dialogs.size(), 2u);
  EXPECT_EQ(ui.dialogs[1].title, "保存项目文件");
  EXPECT_TRUE(session.Modified());
}

TEST_F(SessionTest, YesSavesUnderTheRememberedName) {
  Calculate("3");
  ui.yesNo = {true};
  ui.files = {P("q.zrf")};
  EXPECT_TRUE(session.Exit());
  EXPECT_TRUE(fs::exists(P("q.zrf")));
  EXPECT_EQ(session.ProjectFileName(), P("q.zrf"));
  EXPECT_FALSE(session.Modified());
  // A named project is saved under its name without a dialog.
  Calculate("4");
  ui.yesNo = {true};
  EXPECT_TRUE(session.Exit());
  EXPECT_EQ(ui.dialogs.size(), 1u);
}

TEST_F(SessionTest, NewWithoutTemplateEmptiesEveryField) {
  Calculate();
  form().At("WsD").setColor(colors::BtnFace);
  ui.yesNo = {false};
  ui.files = {std::nullopt, P("new.zrf")};  // no template, then the data file
  ASSERT_TRUE(session.New());
  EXPECT_EQ(ui.dialogs[0].title, "请选择模板");
  EXPECT_EQ(ui.dialogs[0].folder, paths.supportsDir);
  EXPECT_EQ(ui.dialogs[0].defaultExt, "zrt");
  // Input fields, defaults included, are empty, window-coloured, editable.
  for (const char* name : {"WsD", "CpsD", "Ts1D", "DensD", "PfD", "TsnD"}) {
    const Control& c = form().At(name);
    EXPECT_EQ(c.text(), "") << name;
    EXPECT_EQ(c.color(), colors::Window) << name;
    EXPECT_FALSE(c.readOnly()) << name;
  }
  EXPECT_EQ(session.ProjectFileName(), P("new.zrf"));
  EXPECT_EQ(form().title(), std::string(mainwin::kTitle) + "-[" + P("new.zrf") + "]");
  EXPECT_FALSE(SaveEnabled());
  EXPECT_FALSE(fs::exists(P("new.zrf")));  // written only when saved
  EXPECT_TRUE(recent.files().empty());     // not a recent file yet
}

TEST_F(SessionTest, NewWithTheDataDialogCancelledChangesNothing) {
  form().At("WsD").setText("5");
  uint64_t before = form().revision();
  ui.files = {P("t.zrt"), std::nullopt};
  EXPECT_FALSE(session.New());
  EXPECT_EQ(form().revision(), before);
  EXPECT_EQ(session.ProjectFileName(), "");
}

TEST_F(SessionTest, NewFromTemplateAndSaveAsTemplate) {
  form().At("CsrD").setText("15");
  ui.files = {P("t.zrt")};
  ASSERT_TRUE(session.SaveAsTemplate());
  EXPECT_EQ(ui.dialogs[0].title, "保存为模板");
  EXPECT_EQ(session.ProjectFileName(), "");  // name, title and recent files unchanged
  EXPECT_EQ(form().title(), mainwin::kTitle);
  EXPECT_TRUE(recent.files().empty());

  form().At("CsrD").setText("20");
  ui.files = {P("t.zrt"), P("from_t.zrf")};
  ASSERT_TRUE(session.New());
  EXPECT_EQ(form().At("CsrD").text(), "15");
  EXPECT_EQ(session.ProjectFileName(), P("from_t.zrf"));
}

TEST_F(SessionTest, DamagedFilesChangeNothingAndSaySo) {
  sink.Expect("to be a project file");
  std::ofstream(P("bad.zrf"), std::ios::binary) << std::string("\x10\x00\x00\x00garbage-garbage", 19);
  form().At("WsD").setText("5");
  session.UpdateTitle(false);
  uint64_t before = form().revision();
  ui.files = {P("bad.zrf")};
  EXPECT_FALSE(session.Open());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("bad.zrf"), std::string::npos);
  EXPECT_EQ(form().revision(), before);
  EXPECT_EQ(session.ProjectFileName(), "");
  // A damaged template: new stops before the fields are released.
  ui.files = {P("bad.zrf"), P("n.zrf")};
  EXPECT_FALSE(session.New());
  EXPECT_EQ(form().At("WsD").text(), "5");
  EXPECT_EQ(sink.shown.size(), 2u);
}

TEST_F(SessionTest, MissingFileBecomesTheProjectFileAnyway) {
  ui.files = {P("later.zrf")};
  EXPECT_TRUE(session.Open());
  EXPECT_EQ(session.ProjectFileName(), P("later.zrf"));
  EXPECT_EQ(recent.files(), std::vector<std::string>{P("later.zrf")});
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(SessionTest, OpeningATemplateMakesItTheProjectButNotARecentFile) {
  ui.files = {P("x.zrt")};
  ASSERT_TRUE(session.SaveAsTemplate());
  ui.files = {P("x.zrt")};
  ASSERT_TRUE(session.Open());
  EXPECT_EQ(session.ProjectFileName(), P("x.zrt"));
  EXPECT_TRUE(recent.files().empty());
}

TEST_F(SessionTest, FailedSaveKeepsNameAndChanges) {
  sink.Expect("Cannot create file");
  Calculate();
  ui.files = {P("no/such/folder/a.zrf")};
  EXPECT_FALSE(session.Save());
  EXPECT_TRUE(session.Modified());
  EXPECT_EQ(session.ProjectFileName(), "");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("Cannot create file"), std::string::npos);
}

TEST_F(SessionTest, RecentPickOpensThroughTheSession) {
  Calculate("2.25");
  ui.files = {P("r1.zrf")};
  ASSERT_TRUE(session.SaveAs());
  Calculate("9");
  ui.files = {P("r2.zrf")};
  ASSERT_TRUE(session.SaveAs());
  recent.onMenuClick = [this](const std::string& f) { session.OpenRecent(f); };
  EXPECT_EQ(recent.Pick(1), MostRecentFiles::PickResult::Opened);
  EXPECT_EQ(form().At("WsD").text(), "2.25");
  EXPECT_EQ(session.ProjectFileName(), P("r1.zrf"));
  EXPECT_EQ(recent.files().front(), P("r1.zrf"));
  EXPECT_FALSE(session.Modified());
}

// A comment typed into its box is an unsaved change; one holding the line
// marks is saved all the same (save, save as, template, Yes at exit), with
// the look-alikes in the file and one note for the session.
TEST_F(SessionTest, CommentsAreUnsavedChangesAndLineMarksNeverBlockSaving) {
  Control& comment = form().At("CmtsD");
  comment.setLines({"换热量 ▲ 10%", "△t = 5 K"});
  form().Leave(comment);
  EXPECT_TRUE(session.Modified());
  EXPECT_TRUE(SaveEnabled());

  ui.files = {P("c.zrf")};
  ASSERT_TRUE(session.Save());
  EXPECT_TRUE(sink.shown.empty());
  ASSERT_EQ(ui.notes.size(), 1u);
  EXPECT_EQ(ui.notes[0], std::string(kLineMarksCaption) + kLineMarksNote);
  EXPECT_FALSE(session.Modified());
  EXPECT_EQ(comment.lines(), (std::vector<std::string>{"换热量 ▲ 10%", "△t = 5 K"}));  // the window keeps its text

  ui.files = {P("d.zrf"), P("t.zrt")};
  EXPECT_TRUE(session.SaveAs());
  EXPECT_TRUE(session.SaveAsTemplate());
  form().Leave(comment);
  ui.yesNo = {true};
  EXPECT_TRUE(session.Exit());
  EXPECT_FALSE(session.Modified());
  EXPECT_EQ(ui.notes.size(), 1u);  // told once

  for (const char* file : {"c.zrf", "d.zrf", "t.zrt"}) {
    MainModel other(sink);
    ASSERT_TRUE(ReadFormRecord(other.form(), P(file))) << file;
    EXPECT_EQ(other.form().At("CmtsD").lines(), (std::vector<std::string>{"换热量 ▴ 10%", "∆t = 5 K"})) << file;
  }
}

TEST_F(SessionTest, RefreshModesFollowsTheLoadedCalculationType) {
  int calls = 0;
  form().At("CalTypeD").onChange = [&](Control*) { ++calls; };
  form().At("CBTType").onClick = [&](Control*) { ++calls; };
  session.RefreshModes();
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace tharvex
