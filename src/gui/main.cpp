// tharvex [FILE]: the desktop program. One instance per user: a second start
// hands its file (or nothing) to the running window, which comes to the
// front and opens it, and ends. --page shows a tab after the file is open,
// so the screenshot script can show the drawing and the report.
#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "core/app/main_model.h"
#include "core/app/paths.h"
#include "core/fields/i18n.h"
#include "core/help/build_info.h"
#include "gui/copydata_service.h"
#include "gui/dialogs.h"
#include "gui/language.h"
#include "gui/main_window.h"
#include "gui/qt_bridge.h"
#include "gui/single_instance.h"
#include "gui/target_notice.h"

int main(int argc, char** argv) {
  using namespace tharvex;
  using namespace tharvex::gui;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tharvex"));
  QApplication::setApplicationVersion(Qs(VersionText()));
  QApplication::setDesktopFileName(QStringLiteral("tharvex"));

  QString file;
  QString page;
  const QStringList args = QApplication::arguments().mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--page") && i + 1 < args.size()) {
      page = args[++i];
      continue;
    }
    if (a == QLatin1String("--version")) {
      std::printf("%s\n", VersionText().c_str());
      return 0;
    }
    if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      std::printf(
          "Usage: tharvex [--page main|drawing|report|tools] [FILE]\n"
          "  FILE  a project (.zrf) or template (.zrt) to open\n"
          "  --page  the tab shown once FILE is open\n");
      return 0;
    }
    if (file.isEmpty()) file = QFileInfo(a).absoluteFilePath();
  }

  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(UiFont());

  // The language and the unit names, from the settings file (at the first
  // start the locale decides), before anything shows a text.
  const AppPaths paths = SetupPaths("Tharvex", "Tharvex", false, PathEnvironment::FromProcess());
  const std::string settings = paths.settingsFile();
  Translations translations;
  translations.apply(ReadLanguage(settings, QLocale::system().name()), CatalogueDir(FindDataDir(paths.programDir)));
  i18n::SetUnitSymbols(ReadUnitSymbols(settings));

  QString refusal;
  const auto runtime = RuntimeDir(&refusal);
  if (!runtime) {
    // Another user's folder under our name: neither the lock nor the
    // service can be trusted there.
    std::fprintf(stderr, "tharvex: %s\n", refusal.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, QStringLiteral("Tharvex"), refusal);
    return 1;
  }
  const QString servicePath = *runtime + QStringLiteral("/Tharvex");
  SingleInstance instance(*runtime + QStringLiteral("/Tharvex.lock"));
  if (!instance.acquire()) {
    HandOver(servicePath, file);
    return 0;
  }

  QtMessageSink sink;
  MainModel model(sink);
  TFormTharvex window(model, sink);

  CopyDataService service;
  TargetNotice notice(&window);
  service.targetNotFound = [&notice] { notice.show(); };
  service.openRequested = [&window, &model](const QString& f) {
    window.openFromOutside(f);
    return Qs(model.project().fileName);
  };
  // Without the service the program still works; it only cannot be asked.
  service.listen(servicePath);

  window.show();
  if (!file.isEmpty()) QTimer::singleShot(0, &window, [&window, file] { window.openFromOutside(file); });
  if (!page.isEmpty()) {
    // The tabs by the names of the control table.
    const QString tab = page == QLatin1String("drawing")  ? QStringLiteral("TabSheet2")
                        : page == QLatin1String("report") ? QStringLiteral("TabSheetReport")
                        : page == QLatin1String("tools")  ? QStringLiteral("TabTools")
                                                          : QStringLiteral("TabSheet1");
    QTimer::singleShot(0, &window, [&window, tab] {
      if (QWidget* w = window.pages()->findChild<QWidget*>(tab)) window.pages()->setCurrentWidget(w);
    });
  }
  return QApplication::exec();
}
