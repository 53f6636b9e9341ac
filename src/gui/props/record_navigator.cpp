#include "gui/props/record_navigator.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace tharvex::gui {

namespace {

constexpr const char* kHints[RecordNavigator::kButtons] = {
    QT_TRANSLATE_NOOP("RecordNavigator", "开头"),   QT_TRANSLATE_NOOP("RecordNavigator", "上一个"),
    QT_TRANSLATE_NOOP("RecordNavigator", "下一个"), QT_TRANSLATE_NOOP("RecordNavigator", "最后"),
    QT_TRANSLATE_NOOP("RecordNavigator", "插入"),   QT_TRANSLATE_NOOP("RecordNavigator", "删除"),
    QT_TRANSLATE_NOOP("RecordNavigator", "编辑"),   QT_TRANSLATE_NOOP("RecordNavigator", "确认"),
    QT_TRANSLATE_NOOP("RecordNavigator", "取消"),   QT_TRANSLATE_NOOP("RecordNavigator", "刷新"),
};
constexpr const char* kNames[RecordNavigator::kButtons] = {
    "nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete", "nbEdit", "nbPost", "nbCancel", "nbRefresh",
};

// The glyphs of a data navigator, drawn so they look the same on every
// desktop theme: bars and triangles for moving, plus and minus, a caret for
// editing, a tick and a cross, a circular arrow.
QIcon Glyph(RecordNavigator::Button b, const QColor& ink) {
  using B = RecordNavigator::Button;
  QPixmap pm(32, 32);  // drawn at twice the size for a crisp scaled icon
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  auto triangle = [&](qreal x0, qreal x1) {  // pointing from x0 to x1
    p.drawPolygon(QPolygonF({QPointF(x0, 8), QPointF(x0, 24), QPointF(x1, 16)}));
  };
  switch (b) {
    case B::First:
      p.drawRect(QRectF(7, 8, 3, 16));
      triangle(23, 11);
      break;
    case B::Prior:
      triangle(21, 10);
      break;
    case B::Next:
      triangle(11, 22);
      break;
    case B::Last:
      triangle(9, 21);
      p.drawRect(QRectF(22, 8, 3, 16));
      break;
    case B::Insert:
      p.drawRect(QRectF(14.5, 7, 3, 18));
      p.drawRect(QRectF(7, 14.5, 18, 3));
      break;
    case B::Delete:
      p.drawRect(QRectF(7, 14.5, 18, 3));
      break;
    case B::Edit:
      p.drawPolygon(QPolygonF({QPointF(8, 22), QPointF(24, 22), QPointF(16, 10)}));
      break;
    case B::Post: {
      p.setPen(QPen(QColor(40, 130, 60), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(QPolygonF({QPointF(8, 17), QPointF(13.5, 22.5), QPointF(24, 10)}));
      break;
    }
    case B::Cancel: {
      p.setPen(QPen(QColor(180, 50, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(9, 9), QPointF(23, 23));
      p.drawLine(QPointF(23, 9), QPointF(9, 23));
      break;
    }
    case B::Refresh: {
      p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(8, 8, 16, 16), 60 * 16, 280 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawPolygon(QPolygonF({QPointF(18, 4), QPointF(25, 9.5), QPointF(17.5, 13)}));
      break;
    }
  }
  return QIcon(pm);
}

}  // namespace

RecordNavigator::RecordNavigator(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DBNavigator1"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  const QColor ink = palette().color(QPalette::ButtonText).lighter(130);
  for (int i = 0; i < kButtons; ++i) {
    auto* tb = new QToolButton(this);
    const auto which = static_cast<Button>(i);
    tb->setObjectName(QLatin1String(kNames[i]));
    tb->setIcon(Glyph(which, ink));
    tb->setIconSize(QSize(16, 16));
    tb->setAutoRaise(false);
    tb->setFixedSize(25, 23);
    tb->setToolTip(QCoreApplication::translate("RecordNavigator", kHints[i]));
    tb->setStatusTip(tb->toolTip());
    tb->setFocusPolicy(Qt::NoFocus);  // a click must not take the focus from the field being edited
    connect(tb, &QToolButton::clicked, this, [this, which] { emit clicked(which); });
    buttons_[static_cast<size_t>(i)] = tb;
    row->addWidget(tb);
  }
  row->addStretch(1);
  setMaintenance(false);
}

void RecordNavigator::setMaintenance(bool all) {
  for (int i = 0; i < kButtons; ++i) {
    const bool browse = i <= Last || i == Refresh;
    buttons_[static_cast<size_t>(i)]->setVisible(all || browse);
  }
}

}  // namespace tharvex::gui
