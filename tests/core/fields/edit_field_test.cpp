// The unit-bearing field: SI reading and writing, unit changes, the
// display form drawn over the field, and the required-input marker.
#include <gtest/gtest.h>

#include "core/app/main_model.h"
#include "core/fields/form.h"
#include "core/fields/units.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

class EditField : public ::testing::Test {
 protected:
  tharvex::testing::StrictMessageSink sink;
  MainModel model{sink};
  Form& form = model.form();
  Control& Ws = form.At("WsD");
  Control& WsU = form.At("WsU");
};

TEST_F(EditField, UnitChangeReexpressesTheTextAndBack) {
  form.EnterText(Ws, "1");
  form.PickUnit(WsU, 1);  // kg/h
  EXPECT_EQ(Ws.text(), "3599.9712002304");
  EXPECT_EQ(Ws.OverlayText(), "3599.971");
  EXPECT_DOUBLE_EQ(Ws.exchange(), 2.7778E-4);
  EXPECT_NEAR(Ws.GetSIValue(), 1.0, 1e-12);
  form.PickUnit(WsU, 0);
  EXPECT_EQ(Ws.text(), "1");
  EXPECT_EQ(Ws.exchange(), 1.0);
}

TEST_F(EditField, UnitChangeOnAnEmptyOrNonNumericTextOnlyTakesTheFactor) {
  form.PickUnit(WsU, 2);
  EXPECT_EQ(Ws.text(), "");
  EXPECT_DOUBLE_EQ(Ws.exchange(), 0.27778);
  Ws.setText("abc");
  form.PickUnit(WsU, 1);
  EXPECT_EQ(Ws.text(), "abc");
  EXPECT_DOUBLE_EQ(Ws.exchange(), 2.7778E-4);
}

// A re-expression whose value a double cannot hold keeps the text as typed;
// the new factor is taken all the same, as for a text that is not a number.
TEST_F(EditField, UnitChangeBeyondTheRangeOfADoubleKeepsTheText) {
  struct {
    const char* field;
    const char* unit;
    int item;
    const char* text;
    const char* after;
    double factor;
  } cases[] = {
      {"LsmD", "LsmU", 3, "1.7e308", "1.7e308", 0.001},  // m -> mm overflows
      {"LsmD", "LsmU", 3, "-1.7e308", "-1.7e308", 0.001},
      {"LsmD", "LsmU", 3, "1.7e305", "1.7E308", 0.001},  // still a double
      {"afaD", "afaU", 3, "1e303", "1e303", 1.0E-6},
      {"CpsD", "CpsU", 3, "1e-320", "0", 4.187E9},  // underflow is still a number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Control& f = form.At(c.field);
    form.PickUnit(form.At(c.unit), 0);
    f.setText(c.text);
    form.PickUnit(form.At(c.unit), c.item);
    EXPECT_EQ(f.exchange(), c.factor);
    EXPECT_EQ(f.text(), c.after);
  }
}

TEST_F(EditField, SIValueGoesThroughTheFactor) {
  Control& q = form.At("QsD");
  q.setExchangeRaw(1000);
  q.setText("2.5");
  EXPECT_EQ(q.GetSIValue(), 2500);
  q.SetSIValue(2500);
  EXPECT_EQ(q.text(), "2.5");
  q.SetSIValue(1.0 / 3 * 1000);
  EXPECT_EQ(q.text(), "0.333333333333333");
}

TEST_F(EditField, ReadingAnEmptyOrBadTextIsAConversionError) {
  Ws.setText("");
  EXPECT_THROW(Ws.GetSIValue(), ConversionError);
  Ws.setText("1.2.3");
  try {
    Ws.GetSIValue();
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1.2.3' is not a valid floating point value");
  }
  EXPECT_EQ(Ws.text(), "1.2.3");
  // A number whose SI value leaves the range of a double fails the same way.
  Control& cp = form.At("CptD");
  form.PickUnit(form.At("CptU"), 3);  // Mkcal/kg.K, 4.187E9
  for (const char* text : {"1e305", "-1e300", " 4.3e299 "}) {
    cp.setText(text);
    EXPECT_THROW(cp.GetSIValue(), ConversionError) << text;
    EXPECT_EQ(cp.text(), text);
  }
  cp.setText("4e298");
  EXPECT_DOUBLE_EQ(cp.GetSIValue(), 4e298 * 4.187E9);
}

struct DisplayCase {
  const char* text;
  const char* shown;
};
class DisplayForm : public EditField, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayForm, ShowsRoundedNumbersAndTrimmedText) {
  Ws.setText(GetParam().text);
  EXPECT_EQ(Ws.FloatStr(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, DisplayForm,
                         ::testing::Values(DisplayCase{"12345678", "1.234568E0007"},
                                           DisplayCase{"0.00001234", "1.234E-0005"}, DisplayCase{"0.0001", "0.0001"},
                                           DisplayCase{"1.50", "1.5"}, DisplayCase{"abc ", "abc"},
                                           DisplayCase{"12 ", "12"}, DisplayCase{" 12", "12"}, DisplayCase{"", ""},
                                           DisplayCase{"3599.9712002304", "3599.971"}));

TEST_F(EditField, RequiredEmptyEditableFieldShowsTheMarker) {
  Control& cps = form.At("CpsD");  // a fixed field: the solver never computes it
  ASSERT_FALSE(cps.myResolved());
  cps.setText("");
  EXPECT_EQ(cps.OverlayText(), "[Must input]");
  cps.setReadOnly(true);
  EXPECT_EQ(cps.OverlayText(), "");
  cps.setReadOnly(false);
  cps.setMyResolved(true);
  EXPECT_EQ(cps.OverlayText(), "");
  cps.setText("  ");
  cps.setMyResolved(false);
  EXPECT_EQ(cps.OverlayText(), "[Must input]");
}

TEST_F(EditField, MyResolvedWriteMakesTheTextBlueAndSetsTheBorder) {
  Control& ws = form.At("WsD");
  ws.setFontColor(colors::Black);
  ws.setMyResolved(true);
  EXPECT_EQ(ws.fontColor(), colors::Blue);
  EXPECT_TRUE(ws.ctl3d());
  ws.setMyResolved(false);
  EXPECT_FALSE(ws.ctl3d());
  EXPECT_EQ(ws.fontColor(), colors::Blue);
}

TEST_F(EditField, MyLabelIsFoundOnTheOwnerOrNothing) {
  ASSERT_NE(Ws.myLabel(), nullptr);
  EXPECT_EQ(Ws.myLabel()->caption(), "质量流量");
  EXPECT_EQ(form.At("QeD").myLabel()->name(), "QsL");
  EXPECT_EQ(form.At("dod").myLabel()->name(), "doL");
  Ws.setMyLabelName("NoSuchLabel");
  EXPECT_EQ(Ws.myLabel(), nullptr);
}

TEST_F(EditField, ClearCommandEmptiesAndFreesAField) {
  Control& q = form.At("QsD");
  q.setText("12");
  q.setCursor(CursorKind::No);
  form.ClearEdit(q);
  EXPECT_EQ(q.text(), "");
  EXPECT_EQ(q.color(), colors::Window);
  EXPECT_FALSE(q.readOnly());
  EXPECT_EQ(q.cursor(), CursorKind::Default);
}

TEST_F(EditField, ChangesAreObservable) {
  std::vector<std::string> seen;
  form.setObserver([&](const Control& c) { seen.push_back(c.name()); });
  uint64_t before = Ws.revision();
  Ws.setText("5");
  Ws.setText("5");  // no change, no notice
  EXPECT_EQ(seen, std::vector<std::string>{"WsD"});
  EXPECT_EQ(Ws.revision(), before + 1);
}

}  // namespace
}  // namespace tharvex
