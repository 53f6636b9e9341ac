// The property window opened from the main window's property buttons and
// driven through its real widgets while it runs modally: calculate and
// transfer, the password and the maintenance page, the search box, editing
// a record, an unreadable library.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>

#include "core/app/paths.h"
#include "gui/project_files.h"
#include "gui/props/prop_window.h"
#include "gui/props/record_text_edit.h"
#include "gui/props/values_grid.h"
#include "gui/qt_bridge.h"
#include "gui/window_services.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

class PropWindowGui : public MainWindowTest {
 protected:
  // Presses property button `button` of the main window and runs `step` on
  // the property window once it is up; a window the step leaves open is
  // closed. A message box shown before the window is up is recorded in
  // `boxes` and closed. Returns whether the property window appeared.
  bool openFrom(const char* button, const std::function<void(TFormSimpPL&)>& step) {
    bool shown = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.push_back(box->text());
        box->done(QMessageBox::Ok);
      } else if (auto* d = qobject_cast<TFormSimpPL*>(modal); d && !shown) {
        shown = true;
        d->model().form().setMessageSink(dialogSink);
        step(*d);
        if (d->isVisible()) d->reject();
      }
    });
    poll.start();
    auto* b = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
    EXPECT_NE(b, nullptr) << button;
    if (b) b->click();
    poll.stop();
    return shown;
  }

  template <class W>
  static W* find(TFormSimpPL& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static void click(TFormSimpPL& d, const char* name) {
    if (auto* b = find<QPushButton>(d, name)) b->click();
  }
  static QString fieldText(TFormSimpPL& d, const char* field) {
    auto* e = find<QLineEdit>(d, field);
    return e ? e->text() : QString();
  }
  static int visibleNavigatorButtons(TFormSimpPL& d) {
    int n = 0;
    for (auto* b : find<RecordNavigator>(d, "DBNavigator1")->findChildren<QToolButton*>()) n += b->isVisibleTo(&d);
    return n;
  }

  void TearDown() override {
    EXPECT_TRUE(boxes.isEmpty()) << Ss(boxes.join(QLatin1Char('\n')));
    MainWindowTest::TearDown();
  }

  RecordingQtSink dialogSink;
  QStringList boxes;
};

TEST_F(PropWindowGui, TubeSideButtonCalculatesAndTransfersWater) {
  const std::string cps = C("CpsD").text();
  ASSERT_TRUE(C("CptD").enabled() && C("DentD").enabled() && C("MtD").enabled() && C("LdtD").enabled());

  const bool shown = openFrom("SBP3", [&](TFormSimpPL& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("简易物性数据库"));
    ASSERT_GE(d.model().records().size(), 25u);
    find<QLineEdit>(d, "EditSearch")->setText(QStringLiteral("water"));
    ASSERT_EQ(d.listed().size(), 1u);
    EXPECT_EQ(fieldText(d, "EN"), QStringLiteral("Water"));
    // 50 degC typed into the grid's value cell of t.
    auto* grid = find<ValuesGrid>(d, "MyValues1");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("t"));
    grid->item(0, 1)->setText(QStringLiteral("50"));
    EXPECT_EQ(d.model().grid().GetValue("t"), "50");
    click(d, "BBCal");
    EXPECT_EQ(fieldText(d, "CPD"), QStringLiteral("4179.6"));
    EXPECT_EQ(fieldText(d, "MDD"), QStringLiteral("988.05"));
    // The user shows the specific heat in kJ/(kg.K); the value goes over in SI.
    auto* cpu = find<QComboBox>(d, "CPU");
    cpu->setCurrentIndex(1);
    emit cpu->activated(1);
    EXPECT_EQ(fieldText(d, "CPD"), QStringLiteral("4.1796"));
    click(d, "BBOK");
    EXPECT_FALSE(d.isVisible());
  });
  ASSERT_TRUE(shown);
  EXPECT_NEAR(C("CptD").GetSIValue(), 4179.6, 1e-9);
  EXPECT_NEAR(C("DentD").GetSIValue(), 988.05, 1e-9);
  EXPECT_NEAR(C("MtD").GetSIValue(), 0.0005465, 1e-12);
  EXPECT_NEAR(C("LdtD").GetSIValue(), 0.6406, 1e-12);
  EXPECT_EQ(C("CpsD").text(), cps);
  EXPECT_EQ(edit("CptD")->text(), QString::fromStdString(C("CptD").text()));
  EXPECT_TRUE(dialogSink.shown.empty());

  // The shell-side vapour button has no property window.
  EXPECT_FALSE(openFrom("SBP2", [](TFormSimpPL&) {}));
  // Closing without confirming transfers nothing.
  C("CptD").setText("1");
  ASSERT_TRUE(openFrom("SBP3", [](TFormSimpPL& d) { click(d, "BBCancle"); }));
  EXPECT_EQ(C("CptD").text(), "1");
}

TEST_F(PropWindowGui, PasswordOpensMaintenanceUntilTheWindowIsReopened) {
  ASSERT_TRUE(openFrom("SBP1", [&](TFormSimpPL& d) {
    auto* pages = find<QTabWidget>(d, "PageControlP");
    auto* password = find<QLineEdit>(d, "MaskEdit1");
    EXPECT_EQ(d.width(), 645);
    EXPECT_EQ(visibleNavigatorButtons(d), 5);
    password->setText(QStringLiteral("Qorlenx"));
    EXPECT_EQ(password->displayText(), QStringLiteral("*******"));
    click(d, "BitBtn1");
    EXPECT_FALSE(pages->isTabVisible(1));
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_TRUE(dialogSink.shown.empty());  // a wrong password gets no answer

    password->setText(QStringLiteral("qorlenx"));
    click(d, "BitBtn1");
    EXPECT_TRUE(pages->isTabVisible(1));
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_EQ(d.width(), 945);
    EXPECT_EQ(visibleNavigatorButtons(d), 10);
    EXPECT_TRUE(find<QPushButton>(d, "BBSaveSys")->isDefault());
    click(d, "BBClose");
  }));
  ASSERT_TRUE(openFrom("SBP3", [&](TFormSimpPL& d) {
    EXPECT_FALSE(find<QTabWidget>(d, "PageControlP")->isTabVisible(1));
    EXPECT_EQ(find<QTabWidget>(d, "PageControlP")->currentIndex(), 0);
    EXPECT_TRUE(find<QLineEdit>(d, "MaskEdit1")->text().isEmpty());
    EXPECT_EQ(d.width(), 645);
    EXPECT_EQ(visibleNavigatorButtons(d), 5);
  }));
}

TEST_F(PropWindowGui, SearchFiltersTheListAndTheNavigatorWalksIt) {
  ASSERT_TRUE(openFrom("SBP1", [&](TFormSimpPL& d) {
    auto* search = find<QLineEdit>(d, "EditSearch");
    auto* list = find<QTableWidget>(d, "DBGrid1");
    const int all = list->rowCount();
    EXPECT_EQ(all, static_cast<int>(d.model().records().size()));
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), QStringLiteral("中文名称"));

    search->setText(QStringLiteral("乙二醇"));  // by Chinese name: the glycol and its two solutions
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(fieldText(d, "CN"), list->item(0, 1)->text());
    find<RecordNavigator>(d, "DBNavigator1")->button(RecordNavigator::Last)->click();
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(fieldText(d, "CN"), list->item(2, 1)->text());

    search->setText(QStringLiteral("0006"));  // by number
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(fieldText(d, "EN"), QStringLiteral("Nitrogen"));
    search->setText(QStringLiteral("CARBON"));  // by English name, any case
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(fieldText(d, "NO"), QStringLiteral("0008"));
    search->setText(QStringLiteral("no such substance"));
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(fieldText(d, "NO"), QStringLiteral("0008"));  // the current record stays
    search->clear();
    EXPECT_EQ(list->rowCount(), all);
    EXPECT_EQ(list->currentRow(), 7);
  }));
}

TEST_F(PropWindowGui, MaintenanceEditsPostIntoTheLibraryAndItsList) {
  ASSERT_TRUE(openFrom("SBP1", [&](TFormSimpPL& d) {
    find<QLineEdit>(d, "MaskEdit1")->setText(QStringLiteral("qorlenx"));
    click(d, "BitBtn1");
    auto* list = find<QTableWidget>(d, "DBGrid1");
    auto* nav = find<RecordNavigator>(d, "DBNavigator1");
    const int rows = list->rowCount();

    // Insert a record, type it, post it: it is sorted into the list by NO.
    nav->button(RecordNavigator::Insert)->click();
    EXPECT_TRUE(d.model().editing());
    auto* no = find<QLineEdit>(d, "DBEditNO");
    QTest::keyClicks(no, QStringLiteral("0000"));
    find<QLineEdit>(d, "DBEditCN")->insert(QStringLiteral("测试液"));  // as an input method commits it
    QTest::keyClicks(find<RecordTextEdit>(d, "DBEditCP"), QStringLiteral("1800+2.5*t"));
    EXPECT_EQ(fieldText(d, "CN"), QStringLiteral("测试液"));  // the data page shows the record being typed
    nav->button(RecordNavigator::Post)->click();
    EXPECT_FALSE(d.model().editing());
    ASSERT_EQ(list->rowCount(), rows + 1);
    EXPECT_EQ(list->item(0, 1)->text(), QStringLiteral("测试液"));
    EXPECT_EQ(list->currentRow(), 0);

    // Typing into a field starts editing; cancel brings the old text back.
    QTest::keyClicks(find<QLineEdit>(d, "DBEditEN"), QStringLiteral("x"));
    EXPECT_TRUE(d.model().editing());
    nav->button(RecordNavigator::Cancel)->click();
    EXPECT_EQ(find<QLineEdit>(d, "DBEditEN")->text(), QString());

    // Moving to another record keeps what was typed, as the data-bound
    // fields of a library do.
    QTest::keyClicks(find<QLineEdit>(d, "DBEditEN"), QStringLiteral("Test"));
    nav->button(RecordNavigator::Next)->click();
    EXPECT_EQ(d.model().records()[0].Text(props::PropField::EN), "Test");
    EXPECT_EQ(list->currentRow(), 1);

    // A length limit of the library holds in the edit itself.
    EXPECT_EQ(no->maxLength(), 6);
    find<QTabWidget>(d, "PageControlP")->setCurrentIndex(0);
    EXPECT_EQ(d.width(), 645);
    list->setCurrentCell(0, 0);
    click(d, "BBCal");
    EXPECT_EQ(fieldText(d, "CPD"), QStringLiteral("1850"));
  }));
  EXPECT_TRUE(dialogSink.shown.empty());
}

TEST_F(PropWindowGui, UnreadableLibraryIsReportedAndTheWindowOpensEmpty) {
  // The support folder is shared by the tests of this program: its library
  // is put back afterwards.
  const std::string lib = window->services().files().paths().supportFile("PropLib.cds");
  std::string saved;
  {
    std::ifstream in(lib, std::ios::binary);
    ASSERT_TRUE(in) << lib;
    saved.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::ofstream(lib, std::ios::binary | std::ios::trunc) << "not a library";
  const bool shown = openFrom("SBP1", [&](TFormSimpPL& d) {
    EXPECT_TRUE(d.model().records().empty());
    EXPECT_EQ(find<QTableWidget>(d, "DBGrid1")->rowCount(), 0);
    EXPECT_FALSE(find<RecordNavigator>(d, "DBNavigator1")->button(RecordNavigator::Next)->isEnabled());
    click(d, "BBCal");  // nothing to evaluate: the fields stay empty
    EXPECT_EQ(fieldText(d, "CPD"), QString());
    click(d, "BBOK");
  });
  std::ofstream(lib, std::ios::binary | std::ios::trunc) << saved;
  EXPECT_TRUE(shown);
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0].contains(QStringLiteral("PropLib.cds"))) << Ss(boxes[0]);
  boxes.clear();
  EXPECT_TRUE(dialogSink.shown.empty());
}

}  // namespace
}  // namespace tharvex::gui::testing
