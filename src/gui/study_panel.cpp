#include "gui/study_panel.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "core/app/main_model.h"
#include "core/fields/number_format.h"
#include "core/mainwin/main_window_table.h"
#include "gui/language.h"
#include "gui/qt_bridge.h"

namespace tharvex::gui {

namespace {

using mainwin::Role;

// Fields of the process tab: "group: caption (name)".
QString Title(const mainwin::ControlDef& d) {
  const mainwin::ControlDef* g = mainwin::FindDef(d.parent);
  QString t = ControlText(d.caption) + QStringLiteral(" (") + Qs(d.value()) + QStringLiteral(")");
  return g ? ControlText(g->caption) + QCoreApplication::translate("StudyPanel", "：") + t : t;
}

bool OnProcessTab(const mainwin::ControlDef& d) {
  const mainwin::ControlDef* g = mainwin::FindDef(d.parent);
  return g && g->parent == "TabSheet1";
}

}  // namespace

StudyPanel::StudyPanel(MainModel& model, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("StudyPanel", "工况分析"), parent), model_(model) {
  setObjectName(QStringLiteral("GBStudy"));
  auto* lay = new QVBoxLayout(this);
  auto* top = new QGridLayout;
  input_ = new QComboBox(this);
  input_->setObjectName(QStringLiteral("StudyInput"));
  outputs_ = new QListWidget(this);
  outputs_->setObjectName(QStringLiteral("StudyOutputs"));
  outputs_->setFlow(QListView::LeftToRight);
  outputs_->setWrapping(true);
  outputs_->setResizeMode(QListView::Adjust);
  outputs_->setFixedHeight(110);
  for (const auto& d : mainwin::Table()) {
    if ((d.entry != mainwin::Entry::Quantity && d.entry != mainwin::Entry::Text) || !OnProcessTab(d)) continue;
    const QString name = Qs(d.value());
    if (d.role == Role::In || d.role == Role::Bal || d.role == Role::Mode || d.role == Role::Noz)
      input_->addItem(Title(d), name);
    if (d.role == Role::Out || d.role == Role::Bal || d.role == Role::Mode || d.role == Role::Noz) {
      auto* item =
          new QListWidgetItem(ControlText(d.caption) + QStringLiteral(" (") + name + QStringLiteral(")"), outputs_);
      item->setData(Qt::UserRole, name);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(name == QLatin1String("CsD") || name == QLatin1String("KaD") ? Qt::Checked : Qt::Unchecked);
    }
  }
  from_ = new QLineEdit(this);
  to_ = new QLineEdit(this);
  steps_ = new QSpinBox(this);
  steps_->setRange(1, study::kMaxSteps);
  steps_->setValue(11);
  auto* runButton = new QPushButton(QCoreApplication::translate("StudyPanel", "计算"), this);
  runButton->setObjectName(QStringLiteral("StudyRun"));
  csv_ = new QPushButton(QCoreApplication::translate("StudyPanel", "导出 CSV..."), this);
  png_ = new QPushButton(QCoreApplication::translate("StudyPanel", "导出 PNG..."), this);
  csv_->setEnabled(false);
  png_->setEnabled(false);
  top->addWidget(new QLabel(QCoreApplication::translate("StudyPanel", "输入参数"), this), 0, 0);
  top->addWidget(input_, 0, 1, 1, 3);
  top->addWidget(new QLabel(QCoreApplication::translate("StudyPanel", "起始值"), this), 0, 4);
  top->addWidget(from_, 0, 5);
  top->addWidget(new QLabel(QCoreApplication::translate("StudyPanel", "终止值"), this), 0, 6);
  top->addWidget(to_, 0, 7);
  top->addWidget(new QLabel(QCoreApplication::translate("StudyPanel", "步数"), this), 0, 8);
  top->addWidget(steps_, 0, 9);
  top->addWidget(runButton, 0, 10);
  top->addWidget(csv_, 0, 11);
  top->addWidget(png_, 0, 12);
  top->setColumnStretch(1, 1);
  lay->addLayout(top);
  lay->addWidget(new QLabel(QCoreApplication::translate("StudyPanel", "跟踪结果（勾选）"), this));
  lay->addWidget(outputs_);
  message_ = new QLabel(this);
  message_->setStyleSheet(QStringLiteral("color: #a00000"));
  lay->addWidget(message_);

  auto* split = new QSplitter(Qt::Horizontal, this);
  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("StudyTable"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  plots_ = new QWidget(this);
  plots_->setObjectName(QStringLiteral("StudyPlots"));
  plotLayout_ = new QVBoxLayout(plots_);
  plotLayout_->setContentsMargins(0, 0, 0, 0);
  split->addWidget(table_);
  split->addWidget(plots_);
  split->setStretchFactor(1, 2);
  split->setMinimumHeight(520);
  lay->addWidget(split, 1);

  connect(input_, &QComboBox::currentIndexChanged, this, [this] { inputChanged(); });
  connect(runButton, &QPushButton::clicked, this, [this] { run(); });
  connect(csv_, &QPushButton::clicked, this, [this] { exportWithDialog(true); });
  connect(png_, &QPushButton::clicked, this, [this] { exportWithDialog(false); });
  const int ws = input_->findData(QStringLiteral("WsD"));
  input_->setCurrentIndex(ws >= 0 ? ws : 0);
  inputChanged();
}

void StudyPanel::inputChanged() {
  // Twenty per cent either side of the value the case has now.
  const Control* c = model_.form().Find(Ss(input_->currentData().toString()));
  auto v = c ? ParseLenient(c->text()) : std::nullopt;
  from_->setText(v ? Qs(FormatGeneral(*v * 0.8, 6)) : QString());
  to_->setText(v ? Qs(FormatGeneral(*v * 1.2, 6)) : QString());
}

void StudyPanel::setStudy(const std::string& input, double from, double to, int steps,
                          const std::vector<std::string>& outputs) {
  input_->setCurrentIndex(input_->findData(Qs(input)));
  from_->setText(Qs(FormatGeneral(from)));
  to_->setText(Qs(FormatGeneral(to)));
  steps_->setValue(steps);
  for (int i = 0; i < outputs_->count(); ++i) {
    QListWidgetItem* it = outputs_->item(i);
    const bool on = std::find(outputs.begin(), outputs.end(), Ss(it->data(Qt::UserRole).toString())) != outputs.end();
    it->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
}

bool StudyPanel::run() {
  study::StudySpec spec;
  spec.input = Ss(input_->currentData().toString());
  auto from = ParseLenient(Ss(from_->text()));
  auto to = ParseLenient(Ss(to_->text()));
  if (!from || !to) {
    message_->setText(QCoreApplication::translate("StudyPanel", "起始值和终止值须为数字。"));
    return false;
  }
  spec.from = *from;
  spec.to = *to;
  spec.steps = steps_->value();
  for (int i = 0; i < outputs_->count(); ++i)
    if (outputs_->item(i)->checkState() == Qt::Checked)
      spec.outputs.push_back(Ss(outputs_->item(i)->data(Qt::UserRole).toString()));
  const std::string why = study::CheckSpec(model_, spec);
  if (!why.empty()) {
    message_->setText(QCoreApplication::translate("StudyPanel", "无法计算：%1").arg(MessageText(why)));
    return false;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  result_ = study::RunStudy(model_, spec);
  QApplication::restoreOverrideCursor();
  int failed = 0;
  for (const auto& r : result_.rows) failed += r.ok ? 0 : 1;
  message_->setText(
      failed ? QCoreApplication::translate("StudyPanel", "%1 步计算失败（表中标红，图中以 × 标在横轴上）。").arg(failed)
             : QString());
  showResult();
  return true;
}

void StudyPanel::showResult() {
  const study::StudyResult& r = result_;
  auto head = [](const std::string& name, const std::string& unit) {
    return unit.empty() ? Qs(name) : Qs(name) + QStringLiteral("\n") + ShownUnit(unit);
  };
  table_->clear();
  table_->setColumnCount(static_cast<int>(r.spec.outputs.size()) + 2);
  table_->setRowCount(static_cast<int>(r.rows.size()));
  QStringList headers{head(r.spec.input, r.inputUnit)};
  for (size_t o = 0; o < r.spec.outputs.size(); ++o) headers << head(r.spec.outputs[o], r.outputUnits[o]);
  headers << QCoreApplication::translate("StudyPanel", "状态");
  table_->setHorizontalHeaderLabels(headers);
  for (int i = 0; i < static_cast<int>(r.rows.size()); ++i) {
    const study::StudyRow& row = r.rows[static_cast<size_t>(i)];
    table_->setItem(i, 0, new QTableWidgetItem(Qs(row.inputText)));
    for (size_t o = 0; o < row.texts.size(); ++o)
      table_->setItem(i, static_cast<int>(o) + 1, new QTableWidgetItem(Qs(std::string(TrimBlanks(row.texts[o])))));
    auto* st = new QTableWidgetItem(
        row.ok ? MessageText(row.warning)
               : QCoreApplication::translate("StudyPanel", "计算失败 %1").arg(MessageText(row.warning)));
    table_->setItem(i, table_->columnCount() - 1, st);
    if (!row.ok)
      for (int c = 0; c < table_->columnCount(); ++c)
        if (QTableWidgetItem* it = table_->item(i, c)) it->setBackground(QColor(255, 215, 215));
  }
  table_->resizeColumnsToContents();

  // One plot per result against the input; failed steps as crosses on the
  // bottom axis.
  while (QLayoutItem* item = plotLayout_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (size_t o = 0; o < r.spec.outputs.size(); ++o) {
    auto* chart = new QChart;
    auto* line = new QLineSeries;
    line->setName(Qs(r.spec.outputs[o]));
    line->setPointsVisible(true);
    auto* fails = new QScatterSeries;
    fails->setName(QCoreApplication::translate("StudyPanel", "计算失败"));
    fails->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    fails->setColor(QColor(200, 0, 0));
    fails->setMarkerSize(9);
    double lo = INFINITY, hi = -INFINITY;
    for (const auto& row : r.rows)
      if (row.ok && std::isfinite(row.values[o])) {
        lo = std::min(lo, row.values[o]);
        hi = std::max(hi, row.values[o]);
      }
    if (!std::isfinite(lo)) lo = 0, hi = 1;
    if (hi == lo) hi = lo + std::max(1e-9, std::fabs(lo) * 0.01), lo -= hi - lo;
    for (const auto& row : r.rows) {
      if (row.ok && std::isfinite(row.values[o]))
        line->append(row.input, row.values[o]);
      else
        fails->append(row.input, lo);
    }
    chart->addSeries(line);
    if (fails->count())
      chart->addSeries(fails);
    else
      delete fails;
    chart->createDefaultAxes();
    auto axes = chart->axes(Qt::Horizontal);
    if (!axes.isEmpty()) axes.front()->setTitleText(head(r.spec.input, r.inputUnit).replace('\n', ' '));
    auto yaxes = chart->axes(Qt::Vertical);
    if (!yaxes.isEmpty()) {
      yaxes.front()->setTitleText(head(r.spec.outputs[o], r.outputUnits[o]).replace('\n', ' '));
      if (auto* y = qobject_cast<QValueAxis*>(yaxes.front())) y->setRange(lo - 0.05 * (hi - lo), hi + 0.05 * (hi - lo));
    }
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart, plots_);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(180);
    plotLayout_->addWidget(view);
  }
  csv_->setEnabled(!r.rows.empty());
  png_->setEnabled(!r.rows.empty());
}

bool StudyPanel::exportCsv(const QString& file) const {
  QFile f(file);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const std::string csv = study::StudyCsv(result_);
  return f.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) && f.flush();
}

bool StudyPanel::exportPng(const QString& file) const {
  if (result_.rows.empty()) return false;
  return plots_->grab().save(file, "PNG");
}

void StudyPanel::exportWithDialog(bool csv) {
  QFileDialog dlg(this, QCoreApplication::translate("StudyPanel", "导出工况分析"), QString(),
                  csv ? QCoreApplication::translate("StudyPanel", "CSV 文件(*.csv)")
                      : QCoreApplication::translate("StudyPanel", "PNG 图像(*.png)"));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(csv ? QStringLiteral("csv") : QStringLiteral("png"));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  const QString file = dlg.selectedFiles().first();
  if (!(csv ? exportCsv(file) : exportPng(file)))
    QMessageBox::warning(this, QCoreApplication::translate("StudyPanel", "导出工况分析"),
                         QCoreApplication::translate("StudyPanel", "无法写入文件：\n%1").arg(file));
}

}  // namespace tharvex::gui
