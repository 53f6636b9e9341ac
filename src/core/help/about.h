#pragma once
// The about box: an information message with an OK button.
#include <string>
#include <string_view>

#include "core/fields/i18n.h"
#include "core/fields/message_sink.h"

namespace tharvex::help {

inline constexpr std::string_view kAboutCaption = THX_TR_NOOP("About", "欢迎使用Tharvex");
inline constexpr std::string_view kAboutTitleLine = THX_TR_NOOP("About", "箱式换热器热力计算-2015.07.16.15版");
inline constexpr std::string_view kAboutVersionLine = "Tharvex V 2015.07.16.15";

// The about box text: the program line, the version line, an empty line,
// then what the program does and where its help is. Lines are separated by
// "\n" (the desktop program's message box breaks lines there).
std::string AboutText();

// The about box as a message for a message sink.
Message AboutMessage();

}  // namespace tharvex::help
