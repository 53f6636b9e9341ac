// The library that ships with the program: every text evaluates, and water,
// steam and air agree with their reference formulations within 1 %.
#include <gtest/gtest.h>
#include "test_paths.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "core/props/prop_library.h"
#include "core/props/property_eval.h"
#include "shipped_reference.h"

namespace tharvex::props {
namespace {

std::vector<PropRecord> Shipped() {
  PropLibLoad load = LoadPropLib(std::string(THARVEX_SOURCE_DIR) + "/data/" + kPropLibFileName);
  EXPECT_EQ(load.error, "");
  return load.records;
}

const PropRecord* FindNo(const std::vector<PropRecord>& recs, const char* no) {
  for (const auto& r : recs)
    if (r.Text(PropField::NO) == no) return &r;
  return nullptr;
}

double At(const PropRecord& r, const char* prop, double t, double p) {
  TMyValues g = TMyValues::PropertyWindowGrid();
  g.SetValue("t", std::to_string(t));
  g.SetValue("p", std::to_string(p));
  PropOutcome o = EvaluatePropertyText(prop, r.Get(*FindPropField(prop)), r.IsLiquid(), g);
  EXPECT_EQ(o.kind, PropOutcome::Value) << r.Text(PropField::EN) << " " << prop;
  return o.value;
}

template <size_t N>
void CheckAgainst(const char* no, const std::array<reference::Point, N>& points) {
  auto recs = Shipped();
  const PropRecord* r = FindNo(recs, no);
  ASSERT_NE(r, nullptr) << no;
  for (const auto& pt : points) {
    SCOPED_TRACE(r->Text(PropField::EN) + " at " + std::to_string(pt.t) + " degC");
    EXPECT_NEAR(At(*r, "MD", pt.t, 101.325) / pt.rho, 1, 0.01);
    EXPECT_NEAR(At(*r, "CP", pt.t, 101.325) / pt.cp, 1, 0.01);
    EXPECT_NEAR(At(*r, "VI", pt.t, 101.325) / pt.mu, 1, 0.01);
    EXPECT_NEAR(At(*r, "TC", pt.t, 101.325) / pt.k, 1, 0.01);
  }
}

TEST(ShippedLibrary, WaterAgreesWithIapwsIf97) { CheckAgainst(reference::kWaterNo, reference::kWater); }
TEST(ShippedLibrary, SaturatedSteamAgreesWithIapwsIf97) { CheckAgainst(reference::kSteamNo, reference::kSteam); }
TEST(ShippedLibrary, AirAgreesWithTheReferenceFormulation) { CheckAgainst(reference::kAirNo, reference::kAir); }

TEST(ShippedLibrary, HoldsTheSubstancesEngineersNeed) {
  auto recs = Shipped();
  EXPECT_GE(recs.size(), 25u);
  std::vector<std::string> en;
  for (const auto& r : recs) en.push_back(r.Text(PropField::EN));
  for (const char* name : {"Air", "Water", "Saturated steam", "Nitrogen", "Oxygen", "Carbon dioxide", "Flue gas",
                           "Methane", "Ammonia liquid", "Ammonia vapour", "R134a liquid", "R22 liquid", "Ethanol",
                           "Methanol", "Ethylene glycol 30%", "Ethylene glycol 50%", "Engine oil", "Heat transfer oil"})
    EXPECT_NE(std::find(en.begin(), en.end(), name), en.end()) << name;
}

// Every record evaluates all six properties at 20 degC and 100 kPa (and at
// 1 MPa) to a finite value, in window order, without losing the grid.
TEST(ShippedLibrary, EveryRecordEvaluatesInWindowOrder) {
  for (const auto& r : Shipped()) {
    EXPECT_FALSE(r.Text(PropField::NT).empty()) << r.Text(PropField::EN) << " names no source";
    EXPECT_FALSE(CheckLengths(r).has_value());
    for (const char* p : {"100", "1000"}) {
      TMyValues g = TMyValues::PropertyWindowGrid();
      g.SetValue("p", p);
      int values = 0;
      for (const char* prop : {"CP", "MD", "VI", "TC", "ST", "HV"}) {
        PropOutcome o = EvaluatePropertyText(prop, r.Get(*FindPropField(prop)), r.IsLiquid(), g);
        ASSERT_NE(o.kind, PropOutcome::NoTemperature) << r.Text(PropField::EN) << " " << prop;
        if (o.kind == PropOutcome::Value) {
          EXPECT_TRUE(std::isfinite(o.value));
          EXPECT_GT(o.value, 0) << r.Text(PropField::EN) << " " << prop;
          ++values;
        }
      }
      EXPECT_GE(values, 3) << r.Text(PropField::EN);
    }
  }
}

TEST(ShippedLibrary, TheSourceAndTheBuiltFileAgree) {
  // The built file is made from data/props/substances.json by proplib-build;
  // both are committed. Spot check that they were rebuilt together.
  auto recs = Shipped();
  std::ifstream in(std::string(THARVEX_SOURCE_DIR) + "/data/props/substances.json");
  std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const auto& r : recs) {
    EXPECT_NE(json.find("\"CN\": \"" + r.Text(PropField::CN) + "\""), std::string::npos) << r.Text(PropField::CN);
    if (r.Get(PropField::CP)) {
      EXPECT_NE(json.find(r.Text(PropField::CP)), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace tharvex::props
