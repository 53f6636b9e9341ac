#include "gui/help/help_service.h"

#include <QCoreApplication>
#include <optional>

#include "core/fields/i18n.h"
#include "core/help/about.h"
#include "core/help/manual_index.h"
#include "gui/help/help_window.h"
#include "gui/main_window.h"
#include "gui/project_files.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

HelpService::HelpService(TFormTharvex& window, ProjectFiles& files) : window_(window), files_(files) {}

HelpService::~HelpService() = default;

void HelpService::helpDocument(const QString& keyword) {
  // From the menu the manual opens at its installation chapter; F1 gives the
  // field's caption, looked up with the fallbacks down to the glossary.
  const std::string title = keyword.isEmpty() ? std::string(help::kInstallChapter) : Ss(keyword);
  // The viewer shows the manual of the language the window shows; a change
  // of language reloads it on the next request.
  if (!help_ || helpLanguage_ != i18n::Language()) {
    std::string dir = files_.dataDir();
    std::optional<std::string> text = help::ReadManual(dir);
    if (!text) {
      // A copy the user keeps in the support folder serves as well.
      dir = files_.paths().supportsDir;
      text = help::ReadManual(dir);
    }
    if (!text) {
      window_.model().form().messages().Show(Message{
          Ss(QCoreApplication::translate("WindowServices", "找不到用户手册 %1。")
                 .arg(Qs(help::ManualFile(i18n::Language())))),
          Ss(QCoreApplication::translate("WindowServices", "Tharvex 帮助")), MessageIcon::Error, MessageButtons::Ok});
      return;
    }
    if (!help_) {
      help_ = std::make_unique<HelpWindow>();
      help_->setWindowIcon(window_.windowIcon());
    }
    help_->setManual(*text, Qs(dir + "/manual"));
    helpLanguage_ = i18n::Language();
  }
  HelpWindow& w = *help_;
  w.showMaximized();
  w.raise();
  w.activateWindow();
  w.openAt(title);
}

void HelpService::about() {
  Message m = help::AboutMessage();
  window_.model().form().messages().Show(m);
}

}  // namespace tharvex::gui
