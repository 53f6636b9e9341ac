// The report's sections over the main window model: which rows are written
// in which state of the window, and what the report command does to it.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/main_model.h"
#include "core/app/report_commands.h"
#include "core/output/report.h"
#include "core/output/report_format.h"
#include "tests/strict_message_sink.h"

namespace tharvex::report {
namespace {

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

class ReportSections : public ::testing::Test {
 protected:
  tharvex::testing::StrictMessageSink sink;
  MainModel model{sink};
  Form& form = model.form();

  std::vector<std::string> Lines() { return Texts(BuildReport(form, model.project().fileName)); }

  // The line whose label column (after 8 blanks) starts with `caption`.
  std::vector<std::string> RowsLabelled(const std::string& caption) {
    std::vector<std::string> out;
    for (const auto& l : Lines())
      if (l.rfind(Blanks(8) + caption, 0) == 0) out.push_back(l);
    return out;
  }
  bool Has(const std::string& line) {
    auto lines = Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  void TearDown() override { EXPECT_TRUE(sink.shown.empty()) << "unexpected message: " << sink.shown[0].text; }
};

TEST_F(ReportSections, HeadingsFollowTheGroupBoxesAndEndWithoutBlankLine) {
  auto styled = BuildReport(form, "");
  ASSERT_GE(styled.size(), 4u);
  EXPECT_EQ(styled[0], (StyledLine{"", 14, true}));
  EXPECT_EQ(styled[1], (StyledLine{Title(""), 14, true}));
  EXPECT_EQ(styled[2], (StyledLine{"", 10, true}));
  const char* headings[] = {"1.设计规定", "2.壳程物性及热量平衡", "3.管程物性及热量平衡", "4.箱体几何", "5.翅片几何",
                            "6.管程几何", "7.壳程传热",           "8.管程传热",           "9.主要结果", "10.管口计算"};
  size_t next = 0;
  for (size_t i = 0; i < styled.size(); ++i) {
    if (next < 10 && styled[i].text == Heading(headings[next])) {
      EXPECT_TRUE(styled[i].bold);
      EXPECT_EQ(styled[i].size, 10);
      // Every section but the first is preceded by a 14 pt blank line.
      if (next > 0) {
        EXPECT_EQ(styled[i - 1], (StyledLine{"", 14, true})) << headings[next];
      }
      ++next;
    }
  }
  EXPECT_EQ(next, 10u);
  // Rows and separators take the control's default format: 9 pt regular.
  size_t rows = 0;
  for (const auto& l : styled) {
    if (l.bold) continue;
    EXPECT_EQ(l.size, 9) << l.text;
    ++rows;
  }
  EXPECT_GT(rows, 40u);
  EXPECT_EQ(std::count(styled.begin(), styled.end(), StyledLine{std::string(kSeparator), 9, false}), 2);
  // Section 10 ends the report with its last field row, no blank line.
  EXPECT_EQ(styled.back().text.rfind(Blanks(8) + "管口内径", 0), 0u);
  EXPECT_FALSE(styled.back().bold);
  EXPECT_EQ(std::count_if(styled.begin(), styled.end(), [](const StyledLine& l) { return l.text.empty(); }), 2 + 9);
}

TEST_F(ReportSections, SpecExampleRowForTheShellMassFlow) {
  form.At("WsD").setText("1.25");
  auto rows = RowsLabelled("质量流量");
  ASSERT_EQ(rows.size(), 2u);  // shell and tube side
  EXPECT_EQ(rows[0], Blanks(8) + "质量流量" + Blanks(12) + "1.2500" + Blanks(10) + "kg/s" + Blanks(16));
  EXPECT_EQ(rows[1], Blanks(8) + "质量流量" + Blanks(12) + Blanks(16) + "kg/s" + Blanks(16));
}

TEST_F(ReportSections, ValueColumnsOfFieldRows) {
  struct Case {
    const char* text;
    const char* value;
  } cases[] = {{"", ""}, {"abc", "abc"}, {"2.01E-5", "2.010E-5"}, {"0.00017", "1.700E-4"}, {"1005", "1005.0000"}};
  for (const auto& c : cases) {
    form.At("CpsD").setText(c.text);
    auto rows = RowsLabelled("平均比热");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], Blanks(8) + PadRight("平均比热", 20) + PadRight(c.value, 16) + PadRight("J/(kg·K)", 20))
        << c.text;
  }
}

TEST_F(ReportSections, CountsAreWholeNumbersAndOtherRowsKeepFourDecimals) {
  form.At("NwD").setText("6");
  form.At("NhD").setText("12");
  form.At("NtD").setText("69");
  form.At("HbxD").setText("1.2");
  EXPECT_TRUE(Has(ReportRow("管列数", "6", "列")));
  EXPECT_TRUE(Has(ReportRow("迎风面管数", "12", "根")));
  EXPECT_TRUE(Has(ReportRow("总管数", "69", "根")));
  EXPECT_TRUE(Has(ReportRow("高度H", "1.2000", "m")));
}

TEST_F(ReportSections, UnitColumnFollowsTheChosenUnit) {
  form.At("WsD").setText("3600");
  form.PickUnit(form.At("WsU"), 1);  // kg/h
  auto rows = RowsLabelled("质量流量");
  ASSERT_FALSE(rows.empty());
  EXPECT_TRUE(rows[0].ends_with("kg/h" + Blanks(16))) << rows[0];
  // The unit selectors with irregular names supply their rows too.
  form.PickUnit(form.At("DdiU"), 3);
  std::string di = RowsLabelled("管内径")[0];
  EXPECT_TRUE(di.ends_with("35.0000" + Blanks(9) + "mm" + Blanks(18))) << di;
}

TEST_F(ReportSections, DisabledFieldsAreLeftOut) {
  ASSERT_EQ(RowsLabelled("高度H").size(), 1u);
  form.At("HbxD").setEnabled(false);
  EXPECT_TRUE(RowsLabelled("高度H").empty());
  form.At("CalTypeD").setEnabled(false);
  EXPECT_TRUE(RowsLabelled("计算类型").empty());
  form.At("OML").setEnabled(false);  // the optimisation row follows its label
  EXPECT_TRUE(RowsLabelled("优化类型").empty());
}

TEST_F(ReportSections, HumidityRowsFollowTheHumidityField) {
  Control& rh = form.At("rh1D");
  Control& pw = form.At("PwD");
  // Humidity on, operating pressure enabled: both rows.
  rh.setEnabled(true);
  pw.setEnabled(true);
  EXPECT_EQ(RowsLabelled("相对湿度").size(), 1u);
  EXPECT_TRUE(Has(ReportRow("相对湿度", "50", "%")));
  EXPECT_EQ(RowsLabelled("操作压力").size(), 1u);
  // Humidity field disabled: neither row, even with the pressure enabled.
  rh.setEnabled(false);
  EXPECT_TRUE(RowsLabelled("相对湿度").empty());
  EXPECT_TRUE(RowsLabelled("操作压力").empty());
  // Humidity enabled but pressure disabled: the humidity row only.
  rh.setEnabled(true);
  pw.setEnabled(false);
  EXPECT_EQ(RowsLabelled("相对湿度").size(), 1u);
  EXPECT_TRUE(RowsLabelled("操作压力").empty());
}

TEST_F(ReportSections, RotationRowOnlyWhileChecked) {
  EXPECT_TRUE(RowsLabelled("转角").empty());
  form.At("CBRoate").setChecked(true);
  EXPECT_TRUE(Has(ReportRow("转角30°", "-", "-")));
  form.At("CBRoate").setCaption("转角45°");
  EXPECT_TRUE(Has(ReportRow("转角45°", "-", "-")));
}

TEST_F(ReportSections, SeriesCountAndPassesUnitColumns) {
  form.At("BayD").setText("2");
  EXPECT_TRUE(Has(ReportRow("串联台数", "2", "台")));
  form.SelectItem(form.At("PnD"), 3);
  EXPECT_TRUE(Has(ReportRow("管程数", "4", "程")));
}

TEST_F(ReportSections, TextRowsOfPhasesTypesAndSurplus) {
  form.At("HTsD").setText("热流体");
  form.At("CsD").setText("12.5");
  form.At("CdtD").setText("0.9500");
  EXPECT_TRUE(Has(ReportRow("流体相态", "单相气体", "-")));
  EXPECT_TRUE(Has(ReportRow("流体类型", "热流体", "-")));
  EXPECT_TRUE(Has(ReportRow("实际富余度", "12.5", "%")));
  EXPECT_TRUE(Has(ReportRow("温差校正", "0.9500", "-")));
  EXPECT_TRUE(Has(ReportRow("富余度≥", "10", "%")));
  EXPECT_TRUE(Has(ReportRow("排管方式", "正三角形", "-")));
  EXPECT_TRUE(Has(ReportRow("高宽比(H/W)", "1.6", "-")));
  // Condensation rows appear only while their fields are enabled.
  EXPECT_TRUE(RowsLabelled("不凝气体").empty());
  EXPECT_TRUE(RowsLabelled("入口蒸汽干度").empty());
  form.At("LatD").setEnabled(true);
  form.At("Xt1D").setEnabled(true);
  EXPECT_TRUE(Has(ReportRow("不凝气体", "0.00", "%")));
  EXPECT_TRUE(Has(ReportRow("入口蒸汽干度", "1.0", "-")));
}

TEST_F(ReportSections, MaterialRowsShowTheBareName) {
  EXPECT_TRUE(Has(ReportRow("壳材质", "低碳钢", "-")));
  form.SelectItem(form.At("TmD"), 1);  // "不锈钢" with a blank after the bar
  EXPECT_TRUE(Has(ReportRow("基管材质", "不锈钢", "-")));
  form.SelectItem(form.At("PmD"), 16);
  EXPECT_TRUE(Has(ReportRow("保温材质", "BBS硬质聚氨酯", "-")));
  // A text without a bar gives an empty name.
  form.At("FmD").setItems({"铝"});
  form.At("FmD").setItemIndex(-1);
  form.At("FmD").setItemIndex(0);
  EXPECT_TRUE(Has(ReportRow("翅片材质", "", "-")));
}

TEST_F(ReportSections, ReportCommandShowsTheTabAndFillsTheControl) {
  model.project().fileName = "/data/A1.zrf";
  Control& re = form.At("ReReport");
  re.setLines({"old"});
  auto styled = MOReportClick(model);
  const Control& pages = form.At("PageControl1");
  EXPECT_EQ(pages.items()[static_cast<size_t>(pages.itemIndex())], "TabSheetReport");
  EXPECT_EQ(re.lines(), Texts(styled));
  EXPECT_EQ(re.lines()[1], Blanks(14) + "A1 计算报告" + Blanks(9));
}

TEST_F(ReportSections, HandEditsKeepTheirTextAndTheOtherLinesTheirFormat) {
  auto built = MOReportClick(model);
  Control& re = form.At("ReReport");
  auto lines = re.lines();
  lines[1] = "我的报告";
  lines.push_back("审核：张工");
  re.setLines(lines);
  auto content = ReportContent(re, built);
  ASSERT_EQ(content.size(), built.size() + 1);
  EXPECT_EQ(content[0], built[0]);
  EXPECT_EQ(content[1], (StyledLine{"我的报告", 9, false}));
  EXPECT_EQ(content[3], built[3]);
  EXPECT_EQ(content.back(), (StyledLine{"审核：张工", 9, false}));
  // The next build replaces the edits.
  MOReportClick(model);
  EXPECT_EQ(re.lines(), Texts(built));
}

}  // namespace
}  // namespace tharvex::report
