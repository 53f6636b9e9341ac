#include "gui/author_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/icons.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

TFormAuthor::TFormAuthor(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormAuthor"));
  setWindowTitle(QCoreApplication::translate("AuthorWindow", "作者简介"));
  setFont(UiFont());
  auto* layout = new QVBoxLayout(this);
  auto* pic = new QLabel(this);
  pic->setPixmap(AuthorPicture());
  pic->installEventFilter(this);
  picture_ = pic;
  layout->addWidget(pic, 0, Qt::AlignCenter);
  auto* ok = new QPushButton(QCoreApplication::translate("AuthorWindow", "确定"), this);
  ok->setObjectName(QStringLiteral("BitBtn1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TFormAuthor::eventFilter(QObject* o, QEvent* e) {
  if (o == picture_ && e->type() == QEvent::MouseButtonRelease) {
    accept();
    return true;
  }
  return QDialog::eventFilter(o, e);
}

void TFormAuthor::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

}  // namespace tharvex::gui
