#pragma once
// Message boxes and prompts of the core. The desktop program shows real
// boxes; the CLI and the tests record them and answer from a script.
#include <deque>
#include <string>
#include <vector>

namespace tharvex {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual MessageAnswer Show(const Message& message) = 0;
};

// Records every message; answers from a queue, then with the first button.
class RecordingMessageSink : public MessageSink {
 public:
  MessageAnswer Show(const Message& message) override {
    shown.push_back(message);
    if (!answers.empty()) {
      MessageAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return message.buttons == MessageButtons::Ok || message.buttons == MessageButtons::OkCancel ? MessageAnswer::Ok
                                                                                                : MessageAnswer::Yes;
  }
  std::vector<Message> shown;
  std::deque<MessageAnswer> answers;
};

}  // namespace tharvex
