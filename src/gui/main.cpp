// tharvex: the desktop program. One instance per user; the second start ends
// at once without a window or a message.
#include <QApplication>
#include <QMessageBox>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include "core/app/main_model.h"
#include "core/app/split_numbers.h"
#include "gui/copydata_service.h"
#include "gui/dialogs.h"
#include "gui/main_window.h"
#include "gui/qt_bridge.h"
#include "gui/single_instance.h"

int main(int argc, char** argv) {
  using namespace tharvex;
  using namespace tharvex::gui;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tharvex"));

  SingleInstance instance(RuntimePath(QStringLiteral("Tharvex.lock")));
  if (!instance.acquire()) return 0;

  // The window speaks Chinese; so do Qt's own dialogs and buttons where the
  // translations are installed.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(UiFont());

  QtMessageSink sink;
  MainModel model(sink);
  TFormTharvex window(model, sink);

  CopyDataService service;
  service.targetNotFound = [&window] {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tharvex"), QString::fromUtf8(kTargetNotFound),
                                QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
  };
  // Without the service the program still works; it only cannot be asked.
  service.listen(RuntimePath(QStringLiteral("Tharvex")));

  window.show();
  return QApplication::exec();
}
