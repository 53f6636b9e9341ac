#pragma once
// The other controls of the window bound to the model: labels, check boxes,
// message panes and rich-text boxes, and the enabled state of commands.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "gui/binder.h"

namespace tharvex::gui {

class BoundLabel : public QLabel, public Bound {
  Q_OBJECT
 public:
  BoundLabel(Binder& binder, Control& control, QWidget* parent = nullptr);
  ~BoundLabel() override;
  void pull() override;
  QWidget* widget() override { return this; }

 private:
  Binder& binder_;
};

class BoundCheck : public QCheckBox, public Bound {
  Q_OBJECT
 public:
  BoundCheck(Binder& binder, Control& control, QWidget* parent = nullptr);
  ~BoundCheck() override;
  void pull() override;
  QWidget* widget() override { return this; }

 private:
  Binder& binder_;
};

// Message pane, tool memo and comment boxes: the control's lines. `richText`
// marks the comment boxes, in which Enter and the arrows keep their meaning;
// their text goes back to the model when they lose focus.
class BoundText : public QPlainTextEdit, public Bound {
  Q_OBJECT
 public:
  BoundText(Binder& binder, Control& control, QWidget* parent = nullptr);
  ~BoundText() override;
  void pull() override;
  QWidget* widget() override { return this; }
  bool isRichText() const { return control().kind() == ControlKind::TRichEdit; }
  bool hasPendingEdit() const override { return document()->isModified(); }
  void commitPendingEdit() override;

 protected:
  void focusOutEvent(QFocusEvent* e) override;

 private:
  Binder& binder_;
};

// Menu items and tool buttons: enabled and visible follow the control.
class BoundAction : public QObject, public Bound {
  Q_OBJECT
 public:
  BoundAction(Binder& binder, Control& control, QAction* action);
  ~BoundAction() override;
  void pull() override;
  QAction* action() const { return action_; }

 private:
  Binder& binder_;
  QAction* action_;
};

// Lines of a control as one text and back.
QString LinesToText(const std::vector<std::string>& lines);
std::vector<std::string> TextToLines(const QString& text);

}  // namespace tharvex::gui
