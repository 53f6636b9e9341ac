#include "core/help/about.h"

#include "core/help/build_info.h"

namespace tharvex::help {

std::string AboutText() {
  std::string s;
  // The box is shown as soon as it is made: its text is composed translated.
  s += i18n::Tr("About", kAboutTitleLine);
  s += "\n";
  s += kAboutVersionLine;
  s += "\n\n";
  s += i18n::Format(i18n::Tr("About", "版本 %1，提交 %2，构建日期 %3"), {BuildVersion(), BuildCommit(), BuildDate()}) +
       "\n\n";
  s += i18n::Tr("About", "箱式翅片管换热器的设计型与校核型热力计算、布管、报表、物性数据库与湿空气工具。") + "\n";
  s += i18n::Tr("About", "按 F1 可打开当前输入框的帮助；菜单“帮助 → 帮助文档”打开用户手册。");
  return s;
}

Message AboutMessage() {
  return Message{AboutText(), i18n::Tr("About", kAboutCaption), MessageIcon::Information, MessageButtons::Ok};
}

}  // namespace tharvex::help
