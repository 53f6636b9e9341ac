#include "core/fields/units.h"

#include <gtest/gtest.h>

#include <map>

#include "core/app/main_model.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

// Expected bytes before the bar, item by item, for each selector of the
// main window.
std::map<std::string, std::vector<int>> ExpectedBars() {
  std::map<std::string, std::vector<int>> m;
  auto set = [&](std::initializer_list<const char*> names, std::vector<int> bars) {
    for (const char* n : names) m[n] = bars;
  };
  set({"WsU", "WtU"}, {34, 34, 34});
  set({"CpsU", "CpsvU", "CptU", "CptvU"}, {41, 41, 41, 41});
  set({"Ts1U", "Ts2U", "Tau", "Tt1U", "Tt2U", "AdtU", "tU", "trU", "TtnU", "Tt0U", "TsnU", "Ts0U"}, {34});
  set({"QsU", "QeU", "QtU", "QaU"}, {37, 37, 37, 37, 37, 37});
  set({"DHsU", "DhtU"}, {40, 40, 40});
  set({"MsU", "MsvU", "MtU", "MtvU"}, {40, 40, 40});
  set({"LdsU", "LdtU"}, {41, 41, 41, 41, 41});
  set({"DensU", "DensvU", "DentU", "DentvU"}, {40, 40});
  set({"SigsU", "SigtU"}, {38, 38, 38, 38});
  set({"PwU", "DpsU", "DptU", "DppSU", "DpptU", "PU", "Pau"}, {40, 40, 40, 40, 40, 40});
  set({"hfU", "PfU", "TfU", "doU", "DdiU", "ComboBoxU3", "HbxU", "WbxU", "SSh1U", "SwU", "LsU", "SbU", "PbU", "LsmU"},
      {35, 34, 34, 33});
  set({"dipSU", "DipTU"}, {35, 35, 35, 35});
  set({"afaU"}, {38, 37, 37, 36});
  set({"AcU", "ArU", "AwrU"}, {36, 36, 36, 36});
  set({"asU", "afU", "atU", "KaU"}, {42, 42, 42, 42, 42, 42});
  set({"UempU", "UmaxU", "UtU", "UtmU", "Us2U", "Ut2U", "Ut1U", "UpSU", "UpTU"}, {37, 37, 37, 37});
  set({"RsU", "RtU"}, {37, 37, 37, 37, 37});
  set({"NtU", "NhU"}, {36});
  set({"NwU"}, {36});
  set({"MnU"}, {34});
  set({"ywU", "ywrU"}, {38});
  set({"HU", "HaU"}, {45});
  set({"HrU"}, {33});
  return m;
}

TEST(UnitLists, EverySelectorOfTheWindowHasItsListWithBarsInPlace) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  auto expected = ExpectedBars();
  int selectors = 0;
  for (const auto& c : model.form().controls()) {
    if (c->kind() != ControlKind::TComboBoxU) continue;
    ++selectors;
    SCOPED_TRACE(c->name());
    auto it = expected.find(c->name());
    ASSERT_NE(it, expected.end()) << "selector without an expected list";
    ASSERT_EQ(c->items().size(), it->second.size());
    for (size_t i = 0; i < c->items().size(); ++i) {
      const std::string& item = c->items()[i];
      size_t bar = item.find('|');
      ASSERT_NE(bar, std::string::npos);
      EXPECT_EQ(GbkByteLength(item.substr(0, bar)), it->second[i]) << item;
    }
    // The first item is the SI unit with factor "1", selected at start.
    EXPECT_EQ(c->items()[0].substr(c->items()[0].find('|') + 1), "1");
    EXPECT_EQ(c->itemIndex(), 0);
    const Control* field = model.form().Find(c->associated());
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->exchange(), 1.0);
  }
  EXPECT_EQ(selectors, 87);
}

// Unit names and factor texts of every list, one selector standing for the
// selectors that share its list; the factor text is compared as written.
TEST(UnitLists, NamesAndFactorTextsOfEveryList) {
  using Items = std::vector<std::pair<const char*, const char*>>;
  const std::map<std::string, Items> lists{
      {"WsU", {{"kg/s", "1"}, {"kg/h", "2.7778E-4"}, {"t/h", "0.27778"}}},
      {"CptU", {{"J/(kg.K)", "1"}, {"kJ/(kg.K)", "1000"}, {"kcal/kg.K", "4187"}, {"Mkcal/kg.K", "4.187E9"}}},
      {"Tau", {{"C", "1"}}},
      {"QeU",
       {{"W", "1"},
        {"J/s", "1"},
        {"kW", "1000"},
        {"kJ/h", "0.27778"},
        {"kcal/h", "1.16306"},
        {"Mkcal/h", "1.1631E+6"}}},
      {"DhtU", {{"J/kg", "1"}, {"kJ/kg", "1000"}, {"kcal/kg", "4186"}}},
      {"MtvU", {{"N.S/m2", "1"}, {"Pa.S", "1"}, {"cP", "0.001"}}},
      {"LdtU",
       {{"W/(m.K)", "1"},
        {"kW/(m.K)", "1000"},
        {"kJ/(m.K.S)", "1000"},
        {"kcal/(m.K.S)", "4187"},
        {"kcal/(m.K.h)", "1.1630"}}},
      {"DentvU", {{"kg/m3", "1"}, {"t/m3", "1000"}}},
      {"SigtU", {{"N/m", "1"}, {"Dyne/cm", "0.001"}, {"g/cm", "0.9807"}, {"kg/m", "9.807 "}}},
      {"Pau", {{"N/m2", "1"}, {"Pa", "1"}, {"kN/m2", "1000"}, {"kPa", "1000"}, {"kg/cm2", "98070"}, {"MPa", "1.0e6"}}},
      {"ComboBoxU3", {{"m", "1"}, {"dm", "0.1"}, {"cm", "0.01"}, {"mm", "0.001"}}},
      {"DipTU", {{"m", "1"}, {"dm", "0.1"}, {"cm", "0.01"}, {"mm", "0.001"}}},
      {"afaU", {{"m2", "1"}, {"dm2", "0.01"}, {"cm2", "1.0E-4"}, {"mm2", "1.0E-6"}}},
      {"AwrU", {{"m2", "1"}, {"dm2", "0.01"}, {"cm2", "1.0E-4"}, {"mm2", "1.0E-6"}}},
      {"KaU",
       {{"W/(m2.K)", "1"},
        {"J/(m2.S.K)", "1"},
        {"kW/(m2.K)", "1000"},
        {"kJ/(m2.K.S)", "1000"},
        {"kcal/(m2.K.S)", "4187"},
        {"kcal/(m2.K.h)", "1.16306"}}},
      {"UpTU", {{"m/s", "1"}, {"dm/s", "0.1"}, {"cm/s", "0.01"}, {"mm/", "0.001"}}},
      {"RtU",
       {{"m2.K/W", "1"},
        {"m2.K/kW", "0.001"},
        {"m2.K.S/cal", "0.23883"},
        {"m2.K.S/kcal", "2.3883E-4 "},
        {"m2.K.h/kcal", "0.8598"}}},
      {"NhU", {{"根", "1"}}},
      {"NwU", {{"列", "1"}}},
      {"MnU", {{"段", "1"}}},
      {"ywrU", {{"无因次", "1"}}},
      {"HaU", {{"kg水/kg干空气", "1"}}},
      {"HrU", {{"%", "1"}}},
  };
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  for (const auto& [selector, expected] : lists) {
    SCOPED_TRACE(selector);
    const auto& items = model.form().At(selector).items();
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(GetUnit(items[i]), expected[i].first);
      EXPECT_EQ(items[i].substr(items[i].find('|') + 1), expected[i].second);
    }
  }
}

TEST(UnitLists, FactorTextsAreKeptExactly) {
  auto stItems = UnitItems(UnitList::SurfaceTension);
  EXPECT_EQ(stItems[3].substr(stItems[3].find('|') + 1), "9.807 ");
  EXPECT_EQ(ReadUnitFactor(stItems[3]), 9.807);
  auto prop = UnitItems(UnitList::SurfaceTensionProp);
  EXPECT_EQ(prop[3].substr(prop[3].find('|') + 1), "9.807");
  auto fouling = UnitItems(UnitList::Fouling);
  EXPECT_EQ(fouling[3].substr(fouling[3].find('|') + 1), "2.3883E-4 ");
  auto latent = UnitItems(UnitList::LatentHeat);
  EXPECT_EQ(ReadUnitFactor(latent[2]), 4186.0);  // kcal/kg uses 4186, not 4187
  auto velocity = UnitItems(UnitList::Velocity);
  EXPECT_EQ(GetUnit(velocity[3]), "mm/");
}

TEST(UnitLists, GetUnitAndFactorReading) {
  auto massFlow = UnitItems(UnitList::MassFlow);
  EXPECT_EQ(GetUnit(massFlow[1]), "kg/h");
  EXPECT_EQ(ReadUnitFactor(massFlow[1]), 2.7778E-4);
  EXPECT_EQ(GetUnit("  no bar here "), "no bar here");
  EXPECT_FALSE(ReadUnitFactor("kg/h 2.7778E-4"));
  EXPECT_FALSE(ReadUnitFactor("kg|abc"));
  // Only the 50 characters after the bar are read.
  EXPECT_EQ(ReadUnitFactor("x|" + std::string(49, ' ') + "1"), 1.0);
  EXPECT_EQ(ReadUnitFactor("x|1" + std::string(49, ' ') + "2"), 1.0);
  EXPECT_FALSE(ReadUnitFactor("x|" + std::string(50, ' ') + "1"));
  EXPECT_EQ(GbkByteLength("kg水/kg干空气"), 13);
}

}  // namespace
}  // namespace tharvex
