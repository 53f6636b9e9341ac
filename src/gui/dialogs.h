#pragma once
// The core's message boxes and the project commands' questions and file
// choices, answered with real dialogs.
#include <QString>
#include <optional>
#include <string>

#include "core/fields/message_sink.h"

class QWidget;

namespace tharvex {
struct FileDialogSpec;
}

namespace tharvex::gui {

class QtMessageSink : public MessageSink {
 public:
  explicit QtMessageSink(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }
  MessageAnswer Show(const Message& message) override;

 private:
  QWidget* owner_;
};

// "desc|*.ext|desc2|*.ext2" -> "desc (*.ext);;desc2 (*.ext2)".
QString QtFilter(const std::string& barFilter);

// Runs a file dialog with the title, filter, extension and folder the command asks for; the chosen
// path, or nothing on cancel.
std::optional<std::string> RunFileDialog(QWidget* owner, const FileDialogSpec& spec);

}  // namespace tharvex::gui
