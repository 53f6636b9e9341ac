#pragma once
// "工况分析" on the tools tab: one input field stepped over a range, the
// full calculation on a copy of the case at each step, the chosen results
// as a table and as line plots against the input. Exports CSV and PNG.
#include <QGroupBox>

#include "core/app/study.h"

class QComboBox;
class QLineEdit;
class QSpinBox;
class QListWidget;
class QTableWidget;
class QLabel;
class QVBoxLayout;
class QPushButton;

namespace tharvex {
class MainModel;
}

namespace tharvex::gui {

class StudyPanel : public QGroupBox {
  Q_OBJECT
 public:
  StudyPanel(MainModel& model, QWidget* parent = nullptr);

  // Runs the study as set in the panel; false (with the reason shown) when
  // it cannot run.
  bool run();
  // The panel's settings, for scripts and tests.
  void setStudy(const std::string& input, double from, double to, int steps, const std::vector<std::string>& outputs);
  const study::StudyResult& result() const { return result_; }
  QWidget* plots() const { return plots_; }
  QTableWidget* table() const { return table_; }
  bool exportCsv(const QString& file) const;
  bool exportPng(const QString& file) const;

 private:
  void inputChanged();
  void showResult();
  void exportWithDialog(bool csv);

  MainModel& model_;
  QComboBox* input_;
  QLineEdit *from_, *to_;
  QSpinBox* steps_;
  QListWidget* outputs_;
  QLabel* message_;
  QTableWidget* table_;
  QWidget* plots_;
  QVBoxLayout* plotLayout_;
  QPushButton *csv_, *png_;
  study::StudyResult result_;
};

}  // namespace tharvex::gui
