#pragma once
// A main window model driven as the user drives it: typing and leaving
// fields, picking items, ticking boxes.
#include <gtest/gtest.h>

#include <string>

#include "core/app/main_model.h"
#include "core/engine/design_case.h"
#include "core/fields/number_format.h"
#include "tests/strict_message_sink.h"

namespace tharvex::engine::testing {

class EngineTest : public ::testing::Test {
 protected:
  Form& form() { return model.form(); }
  Engine& engine() { return model.engine(); }
  Control& C(const std::string& name) { return form().At(name); }

  void Set(const std::string& name, const std::string& text) { form().EnterText(C(name), text); }
  // Picking an item and leaving the list.
  void Select(const std::string& name, int index) {
    form().SelectItem(C(name), index);
    form().Leave(C(name));
  }
  void Check(const std::string& name, bool on) { form().SetChecked(C(name), on); }
  const std::string& Text(const std::string& name) { return C(name).text(); }
  double SI(const std::string& name) { return C(name).GetSIValue(); }
  double Number(const std::string& name) { return ParseLenient(Text(name)).value(); }
  std::string Status() { return form().status(1); }
  void Calc() { model.Calculate(nullptr); }

  // Air 5 kg/s cooled from 120 to 60 °C by water heated from 20 to 40 °C;
  // the water flow is left to the heat balance.
  void AirWaterCase() {
    Set("WsD", "5");
    Set("Ts1D", "120");
    Set("Ts2D", "60");
    Set("Tt1D", "20");
    Set("Tt2D", "40");
  }

  // Air 5 kg/s warmed from 20 to 60 °C by steam condensing at 100 °C
  // (latent heat 2200 kJ/kg); the steam flow is left to the heat balance.
  void SteamHeaterCase() {
    form().SelectItem(C("PhtD"), kCondensing);
    Set("DHtD", "2200000");
    Set("WsD", "5");
    Set("Ts1D", "20");
    Set("Ts2D", "60");
    Set("Tt1D", "100");
    Set("Tt2D", "100");
  }

  tharvex::testing::StrictMessageSink sink;  // a box the test did not expect fails it
  MainModel model{sink};
};

}  // namespace tharvex::engine::testing
