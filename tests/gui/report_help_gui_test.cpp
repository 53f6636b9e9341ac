// The report tab, its saving, printing, preview and PDF export, the help
// viewer and the about box, driven through the real widgets.
#include <QContextMenuEvent>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "test_paths.h"

#include "core/app/paths.h"
#include "core/app/session_ui.h"
#include "core/fields/i18n.h"
#include "core/output/report.h"
#include "core/output/rtf_writer.h"
#include "gui/help/help_window.h"
#include "gui/project_files.h"
#include "gui/qt_bridge.h"
#include "gui/report/report_edit.h"
#include "gui/report/report_print.h"
#include "gui/report/report_service.h"
#include "gui/window_services.h"
#include "tests/gui/gui_fixture.h"
#include "tests/pdf_words.h"

namespace tharvex::gui::testing {
namespace {

// Answers the report's file dialogs from a script and keeps what they showed.
class ScriptedUi : public SessionUi {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::optional<std::string> ChooseFile(const FileDialogSpec& d) override {
    shown.push_back(d);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  void Inform(const std::string& text, const std::string&) override { notes.push_back(text); }
  std::vector<std::string> notes;
  std::vector<FileDialogSpec> shown;
  std::deque<std::optional<std::string>> answers;
};

std::string ReadAll(const QString& file) {
  std::ifstream f(file.toStdString(), std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// Display columns of a report line: ASCII one, anything else two.
int Columns(const QString& s) {
  int n = 0;
  for (QChar c : s) n += c.unicode() < 0x80 ? 1 : 2;
  return n;
}

class ReportHelpGui : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    window->services().report().setReportUi(&ui);
    openExample("AirCooler-Example.zrf");
    if (HasFatalFailure()) return;
    sink.shown.clear();
    report = window->findChild<ReportEdit*>();
    ASSERT_NE(report, nullptr);
  }
  void TearDown() override {
    window->services().report().setReportUi(nullptr);
    MainWindowTest::TearDown();
  }

  void showReportTab() {
    window->pages()->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("TabSheetReport")));
    QApplication::processEvents();
  }
  std::vector<HelpWindow*> helpWindows() const {
    std::vector<HelpWindow*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* h = qobject_cast<HelpWindow*>(w)) out.push_back(h);
    return out;
  }
  // The text of the block at the top of the help pages.
  static QString TopOfPages(HelpWindow& h) {
    return h.browser()->cursorForPosition(QPoint(4, 4)).block().text().trimmed();
  }
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  ScriptedUi ui;
  ReportEdit* report = nullptr;
};

TEST(ReportFont, AChineseCharacterIsTwoAsciiColumnsWide) {
  for (auto [points, bold] : {std::pair{10, false}, std::pair{10, true}, std::pair{14, true}, std::pair{9, false}}) {
    QFont f = ReportFont(points, bold);
    EXPECT_EQ(QFontInfo(f).family(), Qs(report::kReportFont));
    QFontMetrics m(f);
    EXPECT_EQ(m.horizontalAdvance(QStringLiteral("中")), m.horizontalAdvance(QStringLiteral("ab"))) << points;
    QFontMetricsF mf(f);
    EXPECT_DOUBLE_EQ(mf.horizontalAdvance(QStringLiteral("热量平衡")), mf.horizontalAdvance(QStringLiteral("12345678")))
        << points;
  }
}

TEST_F(ReportHelpGui, ReportTabShowsTheBuiltLinesInTheirFormatsWithAlignedColumns) {
  C("CBRoate").setChecked(true);  // a caption with "°": two columns like a Chinese character
  showReportTab();
  const auto expected = report::BuildReport(form(), model->project().fileName);
  const auto shown = report->content();
  ASSERT_EQ(shown, expected);
  EXPECT_EQ(Ss(report->document()->findBlockByNumber(1).text()).find("AirCooler-Example 计算报告"), 14u);

  auto formatOf = [&](int block) {
    QTextBlock b = report->document()->findBlockByNumber(block);
    return b.begin().fragment().charFormat();
  };
  EXPECT_EQ(formatOf(1).fontPointSize(), report::kTitleSize);  // title
  EXPECT_EQ(formatOf(1).fontWeight(), QFont::Bold);
  EXPECT_EQ(formatOf(3).fontPointSize(), report::kHeadingSize);  // "1.设计规定"
  EXPECT_EQ(formatOf(3).fontWeight(), QFont::Bold);
  EXPECT_EQ(formatOf(4).fontPointSize(), report::kBodySize);  // first row
  EXPECT_EQ(formatOf(4).fontWeight(), QFont::Normal);
  EXPECT_EQ(QFontInfo(formatOf(4).font()).family(), Qs(report::kReportFont));

  // Where the value and unit columns start on screen, in every row that
  // reaches them with a blank before: the same x whatever the caption.
  std::map<int, std::set<int>> xAtColumn;
  bool rotationRow = false;
  for (QTextBlock b = report->document()->begin(); b.isValid(); b = b.next()) {
    const QString t = b.text();
    if (!t.startsWith(QStringLiteral("        ")) || !b.layout() || b.layout()->lineCount() == 0) continue;
    rotationRow |= t.contains(QStringLiteral("转角30°"));
    int col = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
      if ((col == 28 || col == 44) && t[i - 1] == QLatin1Char(' '))
        xAtColumn[col].insert(qRound(b.layout()->lineAt(0).cursorToX(static_cast<int>(i)) * 4));
      col += Columns(t.mid(i, 1));
    }
  }
  EXPECT_TRUE(rotationRow);
  ASSERT_EQ(xAtColumn.size(), 2u);
  for (const auto& [col, xs] : xAtColumn)
    EXPECT_EQ(xs.size(), 1u) << "column " << col << " starts at " << xs.size() << " places";
}

TEST_F(ReportHelpGui, AHandEditSurvivesIntoTheSavedRtfUntilTheNextBuild) {
  showReportTab();
  const int lastRow = report->document()->blockCount() - 1;
  report->setFocus(Qt::OtherFocusReason);
  QTextCursor c(report->document()->findBlockByNumber(lastRow));
  c.movePosition(QTextCursor::EndOfBlock);
  report->setTextCursor(c);
  QTest::keyClicks(report, QStringLiteral(" "));
  QInputMethodEvent chinese;  // what an input method hands over
  chinese.setCommitString(QStringLiteral("审核"));
  QApplication::sendEvent(report, &chinese);
  QTest::keyClicks(report, QStringLiteral(" QA"));

  // Saved from the tool bar while the caret is still in the report.
  ui.answers.push_back(Ss(path("AirCooler-Example.doc")));
  window->command("tbSaveRep");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "保存报表文件");
  EXPECT_EQ(ui.shown[0].fileName, report::ProposedReportName(model->project().fileName));
  const std::string rtf = ReadAll(path("AirCooler-Example.doc"));
  EXPECT_EQ(rtf, report::WriteRtf(report->content()));
  EXPECT_NE(rtf.find("\\u23457"), std::string::npos);  // 审
  EXPECT_NE(rtf.find(" QA}"), std::string::npos);
  EXPECT_NE(rtf.find("\\fs28\\b "), std::string::npos);  // the title, 14 pt bold
  EXPECT_TRUE(sink.shown.empty());

  // Leaving the report keeps the edit in the model's control ...
  edit("WsD")->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_TRUE(QString::fromStdString(C("ReReport").lines().back()).endsWith(QStringLiteral("审核 QA")));
  // ... until the report is built again.
  window->command("MOReport");
  EXPECT_EQ(report->content(), report::BuildReport(form(), model->project().fileName));
}

TEST_F(ReportHelpGui, PdfExportPreviewAndPrintingWithoutAPrinter) {
  C("CBRoate").setChecked(true);
  showReportTab();
  // The output menu offers the preview and the export right after printing.
  auto* menu = window->menuBar()->findChild<QMenu*>(QStringLiteral("MOutput"));
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> acts = menu->actions();
  const qsizetype print = acts.indexOf(window->action("MOPrint"));
  ASSERT_GE(print, 0);
  ASSERT_GT(acts.size(), print + 2);
  EXPECT_EQ(acts[print + 1]->text(), QStringLiteral("打印预览"));
  EXPECT_EQ(acts[print + 2]->text(), QStringLiteral("导出为 PDF"));

  ui.answers.push_back(Ss(path("report.pdf")));
  acts[print + 2]->trigger();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(ui.shown[0].fileName).endsWith(QStringLiteral("/AirCooler-Example.pdf")));
  EXPECT_EQ(ReadAll(path("report.pdf")).substr(0, 4), "%PDF");
  // On paper too the value column starts at one place, after a Chinese
  // caption, after "宽度W" and after the widened "°" of "转角30°". (The
  // PDF's text gives some characters as their Kangxi radical look-alikes,
  // 高 and 角 among them: the captions are found by other characters.)
  if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
    const auto words = tharvex::testing::PdfWords(path("report.pdf").toStdString(), path("report.html").toStdString());
    const double flow = tharvex::testing::ValueColumnX(words, "质量流量");
    EXPECT_GT(flow, 0);
    EXPECT_NEAR(tharvex::testing::ValueColumnX(words, "宽度"), flow, 0.3);
    EXPECT_NEAR(tharvex::testing::ValueColumnX(words, "转"), flow, 0.3);
  }
  EXPECT_FALSE(QFile::exists(path("report.pdf.tmp~")));
  // A folder that is not there: a message, no file.
  ui.answers.push_back(Ss(path("missing/report.pdf")));
  acts[print + 2]->trigger();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("missing/report.pdf"), std::string::npos);
  sink.shown.clear();

  int pages = 0;
  EXPECT_TRUE(WithModal<QPrintPreviewDialog>([&] { acts[print + 1]->trigger(); },
                                             [&](QPrintPreviewDialog& d) {
                                               if (auto* w = d.findChild<QPrintPreviewWidget*>())
                                                 pages = w->pageCount();
                                               d.reject();
                                             }));
  EXPECT_GE(pages, 2);  // about 110 lines do not fit one portrait page

  QStringList entries;
  EXPECT_TRUE(WithModal<QMenu>(
      [&] {
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(20, 20), report->viewport()->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(report->viewport(), &e);
      },
      [&](QMenu& m) {
        for (QAction* a : m.actions()) entries << a->text();
        m.close();
      }));
  EXPECT_TRUE(entries.contains(QStringLiteral("打印预览")));
  EXPECT_TRUE(entries.contains(QStringLiteral("导出为 PDF")));

  if (PrinterAvailable()) GTEST_SKIP() << "this machine has a printer: the printer-less path is not reached";
  RecordingMessageSink answers;
  answers.answers = {MessageAnswer::Yes};
  form().setMessageSink(answers);
  ui.answers.push_back(Ss(path("printed.pdf")));
  window->command("tbPrint");
  form().setMessageSink(sink);
  ASSERT_EQ(answers.shown.size(), 1u);
  EXPECT_EQ(answers.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_NE(answers.shown[0].text.find("没有可用的打印机"), std::string::npos);
  EXPECT_EQ(ReadAll(path("printed.pdf")).substr(0, 4), "%PDF");
}

TEST_F(ReportHelpGui, HelpStaysOneWindowAndOpensAtTheFieldsCaption) {
  window->command("MHDoc");
  auto help = helpWindows();
  ASSERT_EQ(help.size(), 1u);
  HelpWindow& h = *help[0];
  EXPECT_TRUE(h.isVisible());
  EXPECT_EQ(h.windowTitle(), QStringLiteral("Tharvex 帮助"));
  auto current = [&] { return h.index().bookmarks().at(static_cast<size_t>(h.currentBookmark())).title; };
  EXPECT_EQ(current(), "第一章 系统安装 ");
  EXPECT_EQ(TopOfPages(h), QStringLiteral("第一章 系统安装"));
  EXPECT_EQ(h.outline()->currentItem()->text(0), QStringLiteral("第一章 系统安装"));

  // F1 in a field: its caption, with the blank and the glossary fallbacks.
  const struct {
    const char* caption;
    const char* opens;
  } cases[] = {{nullptr, "质量流量"}, {"第五章 工具", "第五章 工具 "}, {"没有这一节", "第六章 名词术语 "}};
  for (const auto& k : cases) {
    if (k.caption) C("WsL").setCaption(k.caption);
    window->fieldHelp(edit("WsD"));
    EXPECT_EQ(helpWindows(), help);
    EXPECT_EQ(current(), k.opens);
    EXPECT_EQ(TopOfPages(h), Qs(k.opens).trimmed());
  }
  // Picking a heading in the outline turns the pages there.
  QTreeWidgetItem* glossary = h.outline()->currentItem();
  ASSERT_GT(glossary->childCount(), 3);
  h.outline()->setCurrentItem(glossary->child(3));
  EXPECT_EQ(TopOfPages(h), glossary->child(3)->text(0));
}

// The first F1 of a session opens the viewer, which lays its pages out again
// at its final size: the field's heading must still be at the top.
TEST_F(ReportHelpGui, FirstF1OfTheSessionLandsOnTheFieldsEntry) {
  ASSERT_TRUE(helpWindows().empty());
  window->fieldHelp(edit("WsD"));
  auto help = helpWindows();
  ASSERT_EQ(help.size(), 1u);
  HelpWindow& h = *help[0];
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(TopOfPages(h), QStringLiteral("质量流量"));
  // A resize keeps it there; scrolling by the user ends that.
  h.resize(h.width() - 300, h.height());
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(TopOfPages(h), QStringLiteral("质量流量"));
  window->fieldHelp(edit("WsD"));
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(TopOfPages(h), QStringLiteral("质量流量"));
}

// The help and the tooltips follow the language the window shows: the same
// viewer reloads the English manual, shown without its anchors, and F1 opens
// it at the field's entry; back in Chinese, the Chinese manual returns.
TEST_F(ReportHelpGui, HelpAndTooltipsFollowTheLanguage) {
  struct Restore {
    ~Restore() { i18n::SetLanguage("zh"); }
  } restore;
  window->fieldHelp(edit("WsD"));
  auto help = helpWindows();
  ASSERT_EQ(help.size(), 1u);
  HelpWindow& h = *help[0];

  i18n::SetLanguage("en");
  window->fieldHelp(edit("WsD"));
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(helpWindows(), help);
  EXPECT_EQ(TopOfPages(h), QStringLiteral("Mass flow"));
  EXPECT_EQ(h.outline()->currentItem()->text(0), QStringLiteral("Mass flow"));
  EXPECT_EQ(h.outline()->topLevelItem(1)->text(0), QStringLiteral("Chapter 1 Installation"));
  EXPECT_FALSE(h.browser()->toPlainText().contains(QStringLiteral("{#")));
  EXPECT_TRUE(window->fieldTooltip(C("WsD")).contains(QStringLiteral("Meaning: the mass of fluid")));
  window->command("MHDoc");
  EXPECT_EQ(TopOfPages(h), QStringLiteral("Chapter 1 Installation"));

  i18n::SetLanguage("zh");
  window->fieldHelp(edit("WsD"));
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(TopOfPages(h), QStringLiteral("质量流量"));
  EXPECT_TRUE(window->fieldTooltip(C("WsD")).contains(QStringLiteral("含义：")));
}

// Every heading of both shipped manuals is reachable in the viewer, the
// English one with its anchors dropped from the pages and the outline.
TEST(HelpWindowPages, EveryBookmarkOfBothManualsHasItsHeading) {
  struct Restore {
    ~Restore() { i18n::SetLanguage("zh"); }
  } restore;
  const std::string data = std::string(THARVEX_SOURCE_DIR) + "/data";
  for (const char* language : {"zh", "en"}) {
    i18n::SetLanguage(language);
    auto text = help::ReadManual(data);
    ASSERT_TRUE(text) << language;
    HelpWindow h;
    h.setManual(*text, QString());
    const auto& marks = h.index().bookmarks();
    ASSERT_GT(marks.size(), 100u) << language;
    for (size_t i = 0; i < marks.size(); ++i) {
      const int ordinal = static_cast<int>(i);
      ASSERT_TRUE(h.headingBlock(ordinal).isValid()) << language << ": " << marks[i].title;
      EXPECT_EQ(h.headingBlock(ordinal).text(), Qs(marks[i].title).trimmed()) << language;
    }
  }
}

TEST(HelpWindowPages, BookmarksFindTheirHeadingsPastSetextCodeAndMarkup) {
  HelpWindow h;
  h.setManual(
      "# 第一章 甲\n\n正文\n\n额外的标题\n-----\n\n## 乙\n\n```\n# 不是标题\n```\n\n"
      "## 带 `代码` 的**标题**\n\n### 丙\n",
      QString());
  const auto& marks = h.index().bookmarks();
  ASSERT_EQ(marks.size(), 4u);
  const char* headings[] = {"第一章 甲", "乙", "带 代码 的标题", "丙"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(h.jumpTo(i)) << marks[static_cast<size_t>(i)].title;
    EXPECT_EQ(h.headingBlock(i).text(), QString::fromUtf8(headings[i]));
    EXPECT_EQ(h.browser()->textCursor().block(), h.headingBlock(i));
  }
  EXPECT_FALSE(h.jumpTo(4));
  EXPECT_EQ(h.outline()->topLevelItemCount(), 1);
  EXPECT_EQ(h.openAt("丙").match, help::Match::Exact);
  EXPECT_EQ(h.openAt("第一章 甲").match, help::Match::WithBlank);
}

TEST_F(ReportHelpGui, AboutIsAnInformationBox) {
  QtMessageSink real(window.get());
  form().setMessageSink(real);
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString caption, text;
  EXPECT_TRUE(WithModal<QMessageBox>([&] { window->command("MHAbout"); },
                                     [&](QMessageBox& b) {
                                       icon = b.icon();
                                       caption = b.windowTitle();
                                       text = b.text();
                                       b.accept();
                                     }));
  form().setMessageSink(sink);
  EXPECT_EQ(icon, QMessageBox::Information);
  EXPECT_EQ(caption, QStringLiteral("欢迎使用Tharvex"));
  EXPECT_TRUE(text.startsWith(QStringLiteral("箱式换热器热力计算-2015.07.16.15版\nTharvex V 2015.07.16.15\n\n")));
}

}  // namespace
}  // namespace tharvex::gui::testing
