#pragma once
// The report tab's rich-text control, bound to the model's report control
// `ReReport`: it shows the report's lines in their sizes and weights, in a
// monospace CJK font in which a Chinese character is exactly two ASCII
// characters wide, so the columns line up. The user may edit it until the
// next build; the edits go back to the model's lines when it loses focus.
#include <QTextEdit>
#include <vector>

#include "core/output/report.h"
#include "gui/binder.h"

namespace tharvex::gui {

// The report font at a size in points.
QFont ReportFont(int points, bool bold = false);

class ReportEdit : public QTextEdit, public Bound {
  Q_OBJECT
 public:
  ReportEdit(Binder& binder, Control& reReport, QWidget* parent = nullptr);
  ~ReportEdit() override;
  void pull() override;
  QWidget* widget() override { return this; }

  // The formats of the report just built; the lines the control holds are
  // shown with them (a line changed since keeps the body format).
  void setBuilt(std::vector<report::StyledLine> built);
  const std::vector<report::StyledLine>& built() const { return built_; }

  // Replaces the whole text with these lines.
  void render(const std::vector<report::StyledLine>& lines);
  // What the control shows now, hand edits included, line by line with the
  // size and weight of each line's first character.
  std::vector<report::StyledLine> content() const;

  // Commands offered below the editing entries of the context menu (print
  // preview, PDF export); not owned.
  void setExtraActions(QList<QAction*> actions) { extra_ = std::move(actions); }

 protected:
  void focusOutEvent(QFocusEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  std::vector<std::string> shownLines() const;

  Binder& binder_;
  std::vector<report::StyledLine> built_;
  QList<QAction*> extra_;
};

}  // namespace tharvex::gui
