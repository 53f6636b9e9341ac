#include "gui/field_hint.h"

#include "gui/qt_bridge.h"

namespace tharvex::gui {

FieldHint::FieldHint(QObject* parent) : QObject(parent), box_(new QLabel(nullptr, Qt::ToolTip)) {
  box_->setObjectName(QStringLiteral("FieldHint"));
  box_->setFont(UiFont());
  box_->setWordWrap(true);
  box_->setMargin(3);
  box_->setAutoFillBackground(true);
  QPalette p = box_->palette();
  p.setColor(QPalette::Window, QColor(255, 255, 0));
  p.setColor(QPalette::WindowText, Qt::black);
  box_->setPalette(p);
  box_->setFrameStyle(QFrame::Box | QFrame::Plain);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, box_, &QWidget::hide);
}

FieldHint::~FieldHint() { delete box_; }

void FieldHint::show(QWidget* control, const QString& text) {
  box_->setText(text);
  box_->setMaximumWidth(kMaxWidth);
  box_->adjustSize();
  const QPoint corner = control->mapToGlobal(QPoint(control->width(), control->height()));
  box_->move(corner + QPoint(2, 2));
  box_->show();
  box_->raise();
  timer_.start(kShowMs);
}

}  // namespace tharvex::gui
