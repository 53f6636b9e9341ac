#include "gui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "core/app/session_ui.h"
#include "gui/language.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

MessageAnswer QtMessageSink::Show(const Message& m) {
  QMessageBox box(owner_ ? owner_ : QApplication::activeWindow());
  // Texts the core composed are translated where they were made; whole
  // texts from its tables are looked up here.
  box.setWindowTitle(m.caption.empty() ? QStringLiteral("Tharvex") : MessageText(m.caption));
  box.setText(MessageText(m.text));
  switch (m.icon) {
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  switch (m.buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case MessageButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      return m.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
}

QString QtFilter(const std::string& barFilter) {
  const QStringList parts = Qs(barFilter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString desc = MessageText(Ss(parts[i]));
    const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the parentheses of the description.
    if (!desc.contains(QLatin1Char('('))) desc += QStringLiteral(" (") + pattern + QLatin1Char(')');
    out << desc;
  }
  return out.join(QStringLiteral(";;"));
}

std::optional<std::string> RunFileDialog(QWidget* owner, const FileDialogSpec& spec) {
  QFileDialog dlg(owner, MessageText(spec.title), Qs(spec.folder), QtFilter(spec.filter));
  dlg.setAcceptMode(spec.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(spec.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dlg.setDefaultSuffix(Qs(spec.defaultExt));
  dlg.setOption(QFileDialog::DontUseNativeDialog, false);
  if (!spec.fileName.empty()) dlg.selectFile(Qs(spec.fileName));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return Ss(dlg.selectedFiles().first());
}

}  // namespace tharvex::gui
