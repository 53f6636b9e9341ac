// The help menu's language choice and the unit-symbol option. The language
// is read once at start (the catalogues are installed before any widget
// exists), so a new choice is kept for the next start; unit symbols change
// at once, as the unit selectors re-fill under the same item index.
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "core/app/paths.h"
#include "core/fields/i18n.h"
#include "gui/language.h"
#include "gui/main_window.h"
#include "gui/project_files.h"
#include "gui/qt_bridge.h"
#include "gui/window_services.h"

namespace tharvex::gui {

void TFormTharvex::buildOptionsMenu() {
  auto* help = menuBar()->findChild<QMenu*>(QStringLiteral("MHelp"));
  if (!help) return;
  QAction* about = action("MHAbout");
  auto* languages = new QMenu(QCoreApplication::translate("MainWindowLanguage", "语言（重新启动后生效）"), help);
  languages->setObjectName(QStringLiteral("MHLanguage"));
  auto* group = new QActionGroup(languages);
  group->setExclusive(true);
  const std::string& current = i18n::Language();
  languageChoice_ = current;
  const std::pair<const char*, QString> choices[] = {
      {kLanguageChinese, QCoreApplication::translate("MainWindowLanguage", "中文")},
      {kLanguageEnglish, QStringLiteral("English")},
  };
  for (const auto& [code, text] : choices) {
    QAction* a = languages->addAction(text);
    a->setObjectName(code == std::string(kLanguageChinese) ? QStringLiteral("MHLangZh") : QStringLiteral("MHLangEn"));
    a->setCheckable(true);
    a->setChecked(current == code);
    group->addAction(a);
    const std::string chosen = code;
    connect(a, &QAction::triggered, this, [this, chosen] { chooseLanguage(chosen); });
  }
  unitSymbols_ = new QAction(QCoreApplication::translate("MainWindowLanguage", "单位符号"), help);
  unitSymbols_->setObjectName(QStringLiteral("MHUnitSymbols"));
  unitSymbols_->setCheckable(true);
  unitSymbols_->setChecked(i18n::UnitSymbols());
  unitSymbols_->setStatusTip(
      QCoreApplication::translate("MainWindowLanguage", "单位以符号显示（°C、m²、W/(m²·K)），用于窗口、报表和计算书"));
  connect(unitSymbols_, &QAction::toggled, this, [this](bool on) { setUnitSymbols(on); });
  help->insertMenu(about, languages);
  help->insertAction(about, unitSymbols_);
  help->insertSeparator(about);
}

void TFormTharvex::chooseLanguage(const std::string& code) {
  const std::string settings = services_->files().paths().settingsFile();
  if (!SaveLanguage(settings, code)) {
    sink_.Show(Message{Ss(QCoreApplication::translate("MainWindowLanguage", "无法写入设置文件 %1。").arg(Qs(settings))),
                       "Tharvex", MessageIcon::Error, MessageButtons::Ok});
    return;
  }
  languageChoice_ = code;
  if (code == i18n::Language()) return;
  const QString name =
      code == kLanguageEnglish ? QStringLiteral("English") : QCoreApplication::translate("MainWindowLanguage", "中文");
  sink_.Show(
      Message{Ss(QCoreApplication::translate("MainWindowLanguage", "重新启动 Tharvex 后，界面语言改为 %1。").arg(name)),
              "Tharvex", MessageIcon::Information, MessageButtons::Ok});
}

void TFormTharvex::setUnitSymbols(bool on) {
  if (on == i18n::UnitSymbols()) return;
  commitFocusedField();
  i18n::SetUnitSymbols(on);
  BumpDisplayGeneration();
  SaveUnitSymbols(services_->files().paths().settingsFile(), on);
  if (unitSymbols_ && unitSymbols_->isChecked() != on) unitSymbols_->setChecked(on);
  binder_->refreshAll();
}

}  // namespace tharvex::gui
