// Marks on real widgets: a result an early-ending calculation left behind, a
// text that is not a number, a surplus short of the required one.
#include <QImage>
#include <QLabel>

#include "core/fields/colors.h"
#include "gui/qt_bridge.h"
#include "tests/gui/gui_fixture.h"

namespace tharvex::gui::testing {
namespace {

QColor TextColour(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Text); }

// Air cooled from 120 to 60 °C by water from 20 to 40 °C; 2 m of tubes give
// too little surplus.
void AirWaterCase(Form& f) {
  f.EnterText(f.At("WsD"), "5");
  f.EnterText(f.At("Ts1D"), "120");
  f.EnterText(f.At("Ts2D"), "60");
  f.EnterText(f.At("Tt1D"), "20");
  f.EnterText(f.At("Tt2D"), "40");
}

TEST_F(MainWindowTest, UnreadableInputHasARedFrameAndStaleResultsAreGreyItalic) {
  AirWaterCase(form());
  window->refresh();
  TEditD* ka = edit("KaD");
  ASSERT_FALSE(C("KaD").stale());
  EXPECT_FALSE(ka->font().italic());
  const QColor resultColour = TextColour(ka);

  typeAndTab("WsD", "3O");
  ASSERT_TRUE(C("WsD").unreadable());
  EXPECT_EQ(window->statusPanel(1)->text(), QStringLiteral("无法识别的输入：质量流量 3O"));
  // A red frame round the field.
  TEditD* ws = edit("WsD");
  const QImage shot = ws->grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(1, shot.height() / 2)), QColor(255, 0, 0));
  EXPECT_TRUE(ws->toolTip().contains(QString::fromUtf8(kUnreadableNote)));
  // The results of the earlier calculation: grey italic, explained.
  ASSERT_TRUE(C("KaD").stale());
  EXPECT_TRUE(ka->font().italic());
  EXPECT_EQ(TextColour(ka), QColor(128, 128, 128));
  EXPECT_TRUE(ka->toolTip().contains(QString::fromUtf8(kStaleNote)));
  EXPECT_EQ(C("KaD").fontColor(), colors::Blue);  // the model keeps its colours

  typeAndTab("WsD", "5");
  EXPECT_FALSE(C("WsD").unreadable());
  EXPECT_EQ(window->statusPanel(1)->text(), QString());
  const QImage fixed = ws->grab().toImage();
  EXPECT_NE(QColor(fixed.pixel(1, fixed.height() / 2)), QColor(255, 0, 0));
  EXPECT_FALSE(ka->font().italic());
  EXPECT_EQ(TextColour(ka), resultColour);
  EXPECT_FALSE(ka->toolTip().contains(QString::fromUtf8(kStaleNote)));
}

TEST_F(MainWindowTest, ShortSurplusIsRed) {
  AirWaterCase(form());
  window->refresh();
  ASSERT_LT(std::stod(C("CsD").text()), 10);
  EXPECT_EQ(TextColour(edit("CsD")), QColor(255, 0, 0));
}

}  // namespace
}  // namespace tharvex::gui::testing
