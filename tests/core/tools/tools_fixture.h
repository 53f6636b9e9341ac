#pragma once
// A main window model with a recording message sink, driven the way the
// window drives it: type a text into a field and leave it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/app/main_model.h"
#include "core/fields/number_format.h"
#include "tests/strict_message_sink.h"

namespace tharvex::tools {

class ToolsTest : public ::testing::Test {
 protected:
  tharvex::testing::StrictMessageSink sink;  // a box the test did not expect fails it
  MainModel model{sink};

  Control& field(const char* name) { return model.form().At(name); }
  void Enter(const char* name, const std::string& text) { model.form().EnterText(field(name), text); }
  double Value(const char* name) {
    auto v = ParseLenient(field(name).text());
    EXPECT_TRUE(v.has_value()) << name << " holds '" << field(name).text() << "'";
    return v.value_or(NAN);
  }
  const std::vector<std::string>& Memo() { return field("MemoTi").lines(); }
};

}  // namespace tharvex::tools
