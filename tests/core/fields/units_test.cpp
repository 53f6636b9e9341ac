#include "core/fields/units.h"

#include <gtest/gtest.h>

#include <map>

#include "core/app/main_model.h"

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
  set({"hfU", "PfU", "TfU", "doU", "DdiU", "ComboBoxU3", "HbxU", "WbxU", "SSh1U", "SwU", "LsU", "SbU", "PbU",
       "LsmU"},
      {35, 34, 34, 33});
  set({"dipSU", "DipTU"}, {35, 35, 35, 35});
  set({"afaU"}, {38, 37, 37, 36});
  set({"AcU", "ArU", "AwrU"}, {36, 36, 36, 36});
  set({"asU", "afU", "atU", "KaU"}, {42, 42, 42, 42, 42, 42});
  set({"UempU", "UmaxU", "UtU", "UtmU", "Us2U", "Ut2U", "UpSU", "UpTU"}, {37, 37, 37, 37});
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
  RecordingMessageSink sink;
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
  EXPECT_EQ(selectors, 86);
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
