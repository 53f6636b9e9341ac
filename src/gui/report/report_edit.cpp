#include "gui/report/report_edit.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <memory>

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
  fmt.setForeground(l.red ? Qt::red : Qt::black);
  return fmt;
}

// Inserts a report line so that every character takes its display columns:
// one for ASCII, two for anything else. The report font's Chinese characters
// are two columns wide already; a sign it draws narrower (its "°" is about a
// third of a Chinese character) is widened by letter spacing, a percentage of
// its own advance, which holds at the printer's resolution too.
void InsertInColumns(QTextCursor& cur, const QString& text, const QTextCharFormat& fmt) {
  const QFontMetricsF m(fmt.font());
  const qreal column = m.horizontalAdvance(QLatin1Char('0'));
  QString run;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString ch = text.mid(i, n);
    i += n - 1;
    const qreal advance = ch[0].unicode() < 0x80 ? column : m.horizontalAdvance(ch);
    const qreal wanted = ch[0].unicode() < 0x80 ? column : 2 * column;
    if (advance <= 0 || std::abs(advance - wanted) < 0.01) {
      run += ch;
      continue;
    }
    if (!run.isEmpty()) cur.insertText(run, fmt);
    run.clear();
    QTextCharFormat wide = fmt;
    wide.setFontLetterSpacingType(QFont::PercentageSpacing);
    wide.setFontLetterSpacing(100.0 * wanted / advance);
    cur.insertText(ch, wide);
  }
  if (!run.isEmpty()) cur.insertText(run, fmt);
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
  if (c.lines() != shownLines() && !(hasFocus() && document()->isModified())) render(report::ReportContent(c, built_));
  setEnabled(c.enabled());
  // No setVisible: the edit is a page of the tab widget, which shows and
  // hides it. Shown here while another tab is current, it would sit over
  // that page at its default size.
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
    InsertInColumns(cur, Qs(lines[i].text), fmt);
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

void ReportEdit::contextMenuEvent(QContextMenuEvent* e) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu(e->pos()));
  if (!extra_.isEmpty()) {
    menu->addSeparator();
    menu->addActions(extra_);
  }
  menu->exec(e->globalPos());
}

}  // namespace tharvex::gui
