#include "core/help/about.h"

#include "core/help/build_info.h"

namespace tharvex::help {

std::string AboutText() {
  std::string s;
  s += kAboutTitleLine;
  s += "\n";
  s += kAboutVersionLine;
  s += "\n\n";
  s += "版本 " + std::string(BuildVersion()) + "，提交 " + BuildCommit() + "，构建日期 " + BuildDate() + "\n\n";
  s += "箱式翅片管换热器的设计型与校核型热力计算、布管、报表、物性数据库与湿空气工具。\n";
  s += "按 F1 可打开当前输入框的帮助；菜单“帮助 → 帮助文档”打开用户手册。";
  return s;
}

Message AboutMessage() {
  return Message{AboutText(), std::string(kAboutCaption), MessageIcon::Information, MessageButtons::Ok};
}

}  // namespace tharvex::help
