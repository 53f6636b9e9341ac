// The translation hook's helpers: unit symbols, composed messages, list
// items and patterns, with a small translator standing in for a catalogue.
#include <gtest/gtest.h>

#include <map>

#include "core/fields/i18n.h"
#include "core/fields/units.h"

namespace tharvex {
namespace {

class I18n : public ::testing::Test {
 protected:
  void SetUp() override { i18n::SetUnitSymbols(true); }
  void TearDown() override {
    i18n::SetTranslator({});
    i18n::SetUnitSymbols(true);
  }
  void Install(std::map<std::pair<std::string, std::string>, std::string> entries) {
    i18n::SetTranslator([entries](std::string_view ctx, std::string_view src) {
      auto it = entries.find({std::string(ctx), std::string(src)});
      return it == entries.end() ? std::string() : it->second;
    });
  }
};

TEST_F(I18n, UnitSymbolsOfTheStoredNames) {
  const struct {
    const char* plain;
    const char* symbol;
  } cases[] = {
      {"C", "°C"},
      {"m2", "m²"},
      {"kg/m3", "kg/m³"},
      {"t/m3", "t/m³"},
      {"m3/h", "m³/h"},
      {"W/(m2.K)", "W/(m²·K)"},
      {"N.S/m2", "N·s/m²"},
      {"Pa.S", "Pa·s"},
      {"J/(kg.K)", "J/(kg·K)"},
      {"kcal/kg.K", "kcal/(kg·K)"},
      {"W/(m.K)", "W/(m·K)"},
      {"kJ/(m.K.S)", "kJ/(m·K·s)"},
      {"J/(m2.S.K)", "J/(m²·s·K)"},
      {"kcal/(m2.K.h)", "kcal/(m²·K·h)"},
      {"m2.K/W", "m²·K/W"},
      {"m2.K.S/kcal", "m²·K·s/kcal"},
      {"N/m2", "N/m²"},
      {"kg/cm2", "kgf/cm²"},
      {"g/cm", "gf/cm"},
      {"Dyne/cm", "dyn/cm"},
      {"mm2", "mm²"},
      {"mm/", "mm/s"},
      {"kg/s", "kg/s"},
      {"kW", "kW"},
      {"cP", "cP"},
      {"MPa", "MPa"},
      {"%", "%"},
      {"m", "m"},
  };
  for (const auto& c : cases) EXPECT_EQ(UnitSymbol(c.plain), c.symbol) << c.plain;
}

TEST_F(I18n, DisplayUnitLeavesTheStoredItemsAlone) {
  for (int l = static_cast<int>(UnitList::MassFlow); l <= static_cast<int>(UnitList::Percent); ++l) {
    const auto list = static_cast<UnitList>(l);
    const auto before = UnitItems(list);
    for (const auto& item : before) {
      const std::string shown = DisplayUnit(item);
      // No plain square or cube and no dot between units is left.
      EXPECT_EQ(shown.find("m2"), std::string::npos) << item;
      EXPECT_EQ(shown.find("m3"), std::string::npos) << item;
      EXPECT_EQ(shown.find('.'), std::string::npos) << item;
      EXPECT_EQ(shown.find('|'), std::string::npos) << item;
      i18n::SetUnitSymbols(false);
      EXPECT_EQ(DisplayUnit(item), GetUnit(item)) << item;
      i18n::SetUnitSymbols(true);
    }
    EXPECT_EQ(UnitItems(list), before);
  }
  // A Chinese unit name is translated, not rewritten.
  EXPECT_EQ(DisplayUnit("根                                  |1"), "根");
  Install({{{"Units", "根"}, "tubes"}});
  EXPECT_EQ(DisplayUnit("根                                  |1"), "tubes");
}

TEST_F(I18n, ComposedTextsAreTranslatedPartByPart) {
  // Without a translator every text comes back as it is.
  EXPECT_EQ(i18n::TrMessage("无法识别的输入：质量流量 abc"), "无法识别的输入：质量流量 abc");
  Install({{{"Messages", "无法识别的输入："}, "Unreadable input: "},
           {{"Controls", "质量流量"}, "Mass flow"},
           {{"Messages", "管内流速太低，处于层流区！"}, "Tube velocity too low: the flow is laminar!"},
           {{"Messages", "温差校正系数<0.8，如可能请调整工艺数据!"}, "LMTD correction factor < 0.8!"},
           {{"Report", "标准方法 低翅片"}, "Standard method, low fins"},
           {{"Messages", "[超出适用范围]"}, "[outside its range]"},
           {{"Messages", "无法读取物性库文件"}, "Cannot read the property library"}});
  const struct {
    const char* source;
    const char* shown;
  } cases[] = {
      {"无法识别的输入：质量流量 abc", "Unreadable input: Mass flow abc"},
      // Two warnings of the status panel, two blanks apart.
      {"温差校正系数<0.8，如可能请调整工艺数据!  管内流速太低，处于层流区！",
       "LMTD correction factor < 0.8!  Tube velocity too low: the flow is laminar!"},
      {"kf: 标准方法 低翅片 [超出适用范围]", "kf: Standard method, low fins [outside its range]"},
      // A path and a reason without an entry stay as they are.
      {"无法读取物性库文件：/tmp/a.cds（disk I/O error）",
       "Cannot read the property library: /tmp/a.cds (disk I/O error)"},
      {"QH=0 W", "QH=0 W"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(i18n::TrMessage(c.source), c.shown) << c.source;
}

TEST_F(I18n, ItemsPatternsAndPunctuation) {
  Install({{{"Items", "低碳钢"}, "Carbon steel"}, {{"Items", "单相气体"}, "Single-phase gas"}});
  EXPECT_EQ(i18n::ShowItem("低碳钢                        |52.34"), "Carbon steel  |52.34");
  EXPECT_EQ(i18n::ShowItem("单相气体"), "Single-phase gas");
  EXPECT_EQ(i18n::ShowItem("硬橡胶                        |0.15"), "硬橡胶                        |0.15");
  EXPECT_EQ(i18n::ShowItem("2"), "2");

  EXPECT_EQ(i18n::Format("第 %1 页 共 %2 页", {"3", "7"}), "第 3 页 共 7 页");
  EXPECT_EQ(i18n::Format("%2 of %1", {"a", "b"}), "b of a");
  EXPECT_EQ(i18n::Format("100% %1 %3", {"x"}), "100% x %3");  // a missing argument leaves its mark

  EXPECT_EQ(i18n::WesternPunctuation("项目：A，B（C）；D"), "项目: A, B (C); D");
  EXPECT_EQ(i18n::WesternPunctuation("（无）"), "(无)");

  EXPECT_TRUE(i18n::HasCjk("质量流量"));
  EXPECT_TRUE(i18n::HasCjk("a：b"));
  EXPECT_FALSE(i18n::HasCjk("W/(m²·K) °C ≥ ΔP ▲"));
}

}  // namespace
}  // namespace tharvex
