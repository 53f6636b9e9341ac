#pragma once
// A message sink that fails the test on a message box it was not told to
// expect, so that a box nobody looks at cannot slip by. A test that means a
// box to appear says so first:
//
//   sink.Expect("温度交叉");   // any message containing this text
//   sink.AllowAny();          // a test that throws anything at the model
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/fields/message_sink.h"

namespace tharvex::testing {

class StrictMessageSink : public RecordingMessageSink {
 public:
  void Expect(std::string text) { expected_.push_back(std::move(text)); }
  void AllowAny() { allowAny_ = true; }

  MessageAnswer Show(const Message& message) override {
    const bool expected = allowAny_ || std::any_of(expected_.begin(), expected_.end(), [&](const std::string& e) {
                            return message.text.find(e) != std::string::npos;
                          });
    if (!expected) ADD_FAILURE() << "unexpected message box: " << message.text;
    return RecordingMessageSink::Show(message);
  }

 private:
  std::vector<std::string> expected_;
  bool allowAny_ = false;
};

}  // namespace tharvex::testing
