#include "gui/target_notice.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include "core/app/split_numbers.h"
#include "gui/language.h"

namespace tharvex::gui {

void TargetNotice::show() {
  if (box_) {
    // Counted at once, told a moment later: thousands of repeats relay the
    // box out once, not thousands of times.
    if (repeats_++ == shownRepeats_)
      QTimer::singleShot(200, box_.data(), [this] {
        shownRepeats_ = repeats_;
        box_->setInformativeText(QCoreApplication::translate("TargetNotice", "同样的请求又收到 %1 次。").arg(repeats_));
      });
    return;
  }
  shownRepeats_ = 0;
  repeats_ = 0;
  box_ = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tharvex"), MessageText(kTargetNotFound), QMessageBox::Ok,
                         owner_);
  box_->setAttribute(Qt::WA_DeleteOnClose);
  box_->open();
}

}  // namespace tharvex::gui
