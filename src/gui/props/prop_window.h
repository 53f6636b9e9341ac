#pragma once
// TFormSimpPL: the window of the small property library. The library, the
// variable grid, the six result fields, calculate, the transfer into the
// main window and the maintenance page all live in the core's
// PropWindowModel; this window shows it and forwards the user's actions.
#include <QDialog>
#include <QPointer>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "core/props/prop_window_model.h"
#include "gui/binder.h"
#include "gui/dialogs.h"
#include "gui/props/record_navigator.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace tharvex::gui {

class ValuesGrid;

class TFormSimpPL : public QDialog {
  Q_OBJECT
 public:
  explicit TFormSimpPL(QWidget* parent = nullptr);
  ~TFormSimpPL() override;

  props::PropWindowModel& model() { return model_; }
  QtMessageSink& sink() { return sink_; }

  // Reads the library (see PropWindowModel::LoadLibrary) and shows its records.
  void loadLibrary(const std::string& path, const std::string& fallback);

  // SBP1Click: first page, maintenance hidden, password emptied, `opener`
  // remembered, then shown modally. True when the user confirmed and the
  // results went into `main`.
  bool showFor(std::string_view opener, Form& main);
  // The same reset without showing (what showFor does before it waits).
  void prepare(std::string_view opener, Form* main);

  // Record indices the list shows, in list order.
  const std::vector<int>& listed() const { return listed_; }

 protected:
  void done(int result) override;

 private:
  QWidget* buildList();
  QWidget* buildDataPage();
  QWidget* buildMaintenancePage();

  // User actions.
  void calculate();
  void confirm();
  void unlock();
  void saveLibrary();
  void navigate(RecordNavigator::Button b);
  void listRowPicked(int row);
  void maintenanceEdited(props::PropField f, const QString& text);

  // Model -> widgets.
  std::vector<int> matching() const;  // records passing the search box
  void applyFilter();
  void fillList();         // the records passing the search box, anew
  void fillRows();         // the list's rows from listed_
  int currentRow() const;  // the current record's row in the list, -1 when not listed
  void showRecord();
  void syncNavigator();
  void applyPageLayout();
  void commitFocusedField();
  bool postPending();  // posts an edit in progress; false when it was refused

  QtMessageSink sink_;
  props::PropWindowModel model_;
  std::unique_ptr<Binder> binder_;
  Form* main_ = nullptr;
  std::vector<int> listed_;

  QLineEdit* search_ = nullptr;
  QTableWidget* list_ = nullptr;
  RecordNavigator* navigator_ = nullptr;
  QTabWidget* pages_ = nullptr;
  ValuesGrid* grid_ = nullptr;
  QLineEdit* password_ = nullptr;
  // Record texts: page 1 shows NO, CN, EN and NT; page 2 edits all ten.
  std::array<QWidget*, props::kPropFieldCount> shown_{};
  std::array<QWidget*, props::kPropFieldCount> edits_{};
  bool filling_ = false;
  bool inserting_ = false;
};

}  // namespace tharvex::gui
