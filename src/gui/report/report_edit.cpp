#include "gui/report/report_edit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "core/output/rtf_writer.h"
#include "gui/bound_widgets.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

QFont ReportFont(int points, bool bold) {
  QFont f(Qs(report::kReportFont));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPointSize(points);
  f.setBold(bold);
  // Kerning and hinting must not change the advance of a blank or a digit.
  f.setKerning(false);
  return f;
}

namespace {

QTextCharFormat LineFormat(const report::StyledLine& l) {
  QTextCharFormat fmt;
  fmt.setFont(ReportFont(l.size, l.bold), QTextCharFormat::FontPropertiesAll);
  fmt.setForeground(Qt::black);
  return fmt;
}

}  // namespace

ReportEdit::ReportEdit(Binder& binder, Control& reReport, QWidget* parent)
    : QTextEdit(parent), Bound(reReport), binder_(binder) {
  setObjectName(Qs(reReport.name()));
  setLineWrapMode(QTextEdit::NoWrap);
  setAcceptRichText(false);  // pasted text takes the format at the caret
  document()->setDefaultFont(ReportFont(report::kBodySize));
  binder_.add(this);
  pull();
}

ReportEdit::~ReportEdit() { binder_.remove(this); }

void ReportEdit::setBuilt(std::vector<report::StyledLine> built) { built_ = std::move(built); }

std::vector<std::string> ReportEdit::shownLines() const {
  std::vector<std::string> lines;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) lines.push_back(Ss(b.text()));
  if (lines.size() == 1 && lines[0].empty()) lines.clear();  // an empty document has one empty block
  return lines;
}

void ReportEdit::pull() {
  const Control& c = control();
  if (c.lines() != shownLines() && !(hasFocus() && document()->isModified()))
    render(report::ReportContent(c, built_));
  setEnabled(c.enabled());
  setVisible(c.visible());
}

void ReportEdit::render(const std::vector<report::StyledLine>& lines) {
  QTextDocument* doc = document();
  doc->clear();
  QTextCursor cur(doc);
  cur.beginEditBlock();
  for (size_t i = 0; i < lines.size(); ++i) {
    QTextCharFormat fmt = LineFormat(lines[i]);
    if (i > 0) cur.insertBlock(QTextBlockFormat(), fmt);
    // The block's own format gives an empty line its height.
    cur.setBlockCharFormat(fmt);
    cur.insertText(Qs(lines[i].text), fmt);
  }
  cur.endEditBlock();
  doc->setModified(false);
  moveCursor(QTextCursor::Start);
}

std::vector<report::StyledLine> ReportEdit::content() const {
  std::vector<report::StyledLine> out;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    QTextCharFormat fmt = b.charFormat();
    QTextBlock::iterator it = b.begin();
    if (!it.atEnd()) fmt = it.fragment().charFormat();
    report::StyledLine l;
    l.text = Ss(b.text());
    double pt = fmt.fontPointSize();
    l.size = pt > 0 ? static_cast<int>(std::lround(pt)) : report::kBodySize;
    l.bold = fmt.fontWeight() >= QFont::DemiBold;
    out.push_back(std::move(l));
  }
  if (out.size() == 1 && out[0].text.empty() && control().lines().empty()) out.clear();
  return out;
}

void ReportEdit::focusOutEvent(QFocusEvent* e) {
  QTextEdit::focusOutEvent(e);
  if (!document()->isModified()) return;
  document()->setModified(false);
  auto lines = shownLines();
  Control& c = control();
  binder_.run([&] { c.setLines(std::move(lines)); });
}

}  // namespace tharvex::gui
