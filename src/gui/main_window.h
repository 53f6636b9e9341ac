#pragma once
// TFormTharvex: the main window. Built from the core's control table; every
// user action goes through the form model and its handlers, and the widgets
// then show the model's new state.
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "core/app/main_model.h"
#include "core/help/glossary.h"
#include "gui/binder.h"
#include "gui/dialogs.h"
#include "gui/field_hint.h"

class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;
class QAction;

namespace tharvex::gui {

class TubeDrawing;
class DrawingPage;
class StudyPanel;
class TFormAuthor;
class WindowServices;
class UndoHistory;

class TFormTharvex : public QMainWindow {
  Q_OBJECT
 public:
  // `model` outlives the window; its messages are shown by `sink`.
  TFormTharvex(MainModel& model, QtMessageSink& sink, QWidget* parent = nullptr);
  ~TFormTharvex() override;

  MainModel& model() const { return model_; }
  Binder& binder() const { return *binder_; }
  QAction* action(const std::string& controlName) const;
  QWidget* fieldWidget(std::string_view controlName) const { return binder_->widget(controlName); }
  QTabWidget* pages() const { return pages_; }
  TubeDrawing* drawing() const { return drawing_; }
  DrawingPage* drawingPage() const { return drawingPage_; }
  StudyPanel* study() const { return study_; }
  QLabel* statusPanel(int i) const { return i == 0 ? status0_ : status1_; }
  TFormAuthor* author() const { return author_; }
  FieldHint& fieldHint() { return hint_; }
  const QString& helpKeyword() const { return helpKeyword_; }
  WindowServices& services() const { return *services_; }
  UndoHistory& undoHistory() const { return *undo_; }

  // A file named on the command line or handed over by a second start:
  // opened through the project commands (their prompts included).
  void openFromOutside(const QString& file);
  // Brings the window to the front (a second start asked for it).
  void bringToFront();

  // A command of the menu or the tool bar, by control name (MFOpen, tbOpt1...).
  void command(const std::string& name);
  // Shows the model's new state (after changes made outside a user action).
  void refresh() { binder_->refresh(); }

  // Keyboard conventions of the window (key preview), public for the tests.
  bool previewKey(QWidget* focus, class QKeyEvent* e);
  // F1 on a control: the help keyword of its label, else its hint.
  void fieldHelp(QWidget* w);

  // The language the next start shows ("zh" or "en"), kept in the settings
  // file; the window itself keeps the language it started with.
  void chooseLanguage(const std::string& code);
  const std::string& languageChoice() const { return languageChoice_; }
  // Unit names with symbols or as stored, at once and in the settings file.
  void setUnitSymbols(bool on);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void buildMenus();
  void buildOptionsMenu();
  // The width the window opens with: the widest page without scrolling.
  int FittingWidth() const;
  void buildToolBar();
  void buildPages();
  void afterRefresh();
  void pageChanged(int index);
  void clearFocusedField();
  void optimise(Control& c);
  void showError(const QString& text);
  void commitFocusedField();
  // Window size, position and last tab from the settings file, and back.
  void restorePlacement();
  void savePlacement() const;
  void buildLegend(class QStatusBar* bar);
  void historyChanged();
  bool undoKeyForWindow(QWidget* focus, class QKeyEvent* e) const;
  void loadGlossary() const;
  bool showFieldTooltip(QWidget* w, class QHelpEvent* e);

 public:
  // A field's tooltip: its glossary entry from the manual and what it is now
  // (input, solved by the balance, result...).
  QString fieldTooltip(const Control& c) const;

 private:
  MainModel& model_;
  QtMessageSink& sink_;
  std::unique_ptr<Binder> binder_;
  std::unique_ptr<WindowServices> services_;
  std::unique_ptr<UndoHistory> undo_;
  std::map<std::string, QAction*> actions_;
  QMenu* fileMenu_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  TubeDrawing* drawing_ = nullptr;
  DrawingPage* drawingPage_ = nullptr;
  StudyPanel* study_ = nullptr;
  QLabel* status0_ = nullptr;
  QLabel* status1_ = nullptr;
  TFormAuthor* author_ = nullptr;
  FieldHint hint_;
  // The tooltips' glossary, read again when the language changes.
  mutable help::Glossary glossary_;
  mutable std::string glossaryLanguage_;
  QString helpKeyword_;
  bool shownOnce_ = false;
  QAction* unitSymbols_ = nullptr;
  std::string languageChoice_;
};

}  // namespace tharvex::gui
