#include "gui/props/prop_window.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/bound_widgets.h"
#include "gui/icons.h"
#include "gui/language.h"
#include "gui/props/record_text_edit.h"
#include "gui/props/values_grid.h"
#include "gui/qt_bridge.h"
#include "gui/tcombobox_u.h"
#include "gui/tedit_d.h"
#include "gui/window_builder.h"

namespace tharvex::gui {

using props::PropField;

namespace {

// Browsing shows the data page only; maintenance widens the page control
// and the window for the long property texts.
constexpr int kPageBrowse = 370, kPageMaintain = 670;
constexpr int kWindowBrowse = 645, kWindowMaintain = 945;
constexpr int kMargin = 6;
constexpr int kListWidth = kWindowBrowse - kPageBrowse - 3 * kMargin;
constexpr int kButtonWidth = 60;

constexpr PropField kPropertyTexts[] = {PropField::CP, PropField::MD, PropField::VI,
                                        PropField::TC, PropField::ST, PropField::HV};

QString Caption(PropField f) { return ControlText(props::DefOf(f).caption); }
QString Name(PropField f) { return Qs(props::DefOf(f).name); }

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
  auto* b = new QPushButton(QCoreApplication::translate("PropWindow", text), parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  // Room for the whole caption, however long the language makes it.
  b->setMinimumWidth(
      std::max(kButtonWidth, b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 14));
  return b;
}

// A record text the user reads but does not type into: the look of a
// result field.
void ReadOnlyLook(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, p.color(QPalette::Window));
  w->setPalette(p);
}

QLabel* CaptionLabel(const QString& text, int width, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setMinimumWidth(width);
  return l;
}

// What a property text may hold, for the tips of the maintenance page.
const char* kTextTip = QT_TRANSLATE_NOOP("PropWindow",
                                         "常数：4187；温度表：t1,值1;t2,值2;…；状态方程：PRV:/VRV: Pc,Tc,Vc,Zc,w,M；"
                                         "或 t(℃)、p(kPa) 的公式。? < { 之后为注释，= 之前为标签");

}  // namespace

TFormSimpPL::TFormSimpPL(QWidget* parent)
    : QDialog(parent), sink_(this), model_(sink_), binder_(std::make_unique<Binder>(model_.form())) {
  setObjectName(QStringLiteral("FormSimpPL"));
  setWindowTitle(ControlText(model_.form().title()));
  setWindowIcon(PropertyDatabaseIcon());
  setFont(UiFont());
  binder_->showError = [this](const QString& text) {
    model_.messages().Show({Ss(text), "", MessageIcon::Error, MessageButtons::Ok});
  };
  binder_->afterRefresh = [this] {
    grid_->refresh();
    showRecord();
  };

  auto* root = new QHBoxLayout(this);
  root->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  root->setSpacing(kMargin);
  root->addWidget(buildList());
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControlP"));
  pages_->addTab(buildDataPage(), QCoreApplication::translate("PropWindow", "物性数据"));
  pages_->addTab(buildMaintenancePage(), QCoreApplication::translate("PropWindow", "数据库维护"));
  pages_->widget(0)->setObjectName(QStringLiteral("TStGetP"));
  pages_->widget(1)->setObjectName(QStringLiteral("TSManP"));
  root->addWidget(pages_);
  connect(pages_, &QTabWidget::currentChanged, this, [this] { applyPageLayout(); });

  prepare("", nullptr);
  fillList();
  binder_->refreshAll();
}

TFormSimpPL::~TFormSimpPL() { DeleteChildrenBeforeBinder(this); }

QWidget* TFormSimpPL::buildList() {
  auto* box = new QWidget(this);
  box->setFixedWidth(kListWidth);
  auto* col = new QVBoxLayout(box);
  col->setContentsMargins(0, 0, 0, 0);
  col->setSpacing(4);

  search_ = new QLineEdit(box);
  search_->setObjectName(QStringLiteral("EditSearch"));
  search_->setPlaceholderText(QCoreApplication::translate("PropWindow", "查找：流水号、中文名或英文名"));
  search_->setClearButtonEnabled(true);
  connect(search_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
  col->addWidget(search_);

  list_ = new QTableWidget(0, 2, box);
  list_->setObjectName(QStringLiteral("DBGrid1"));
  list_->setHorizontalHeaderLabels(
      {QCoreApplication::translate("PropWindow", "流水号"), QCoreApplication::translate("PropWindow", "中文名称")});
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(20);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->horizontalHeader()->setHighlightSections(false);
  list_->setColumnWidth(0, 56);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setWordWrap(false);
  connect(list_, &QTableWidget::currentCellChanged, this, [this](int row) { listRowPicked(row); });
  col->addWidget(list_, 1);

  navigator_ = new RecordNavigator(box);
  connect(navigator_, &RecordNavigator::clicked, this, &TFormSimpPL::navigate);
  col->addWidget(navigator_);
  return box;
}

QWidget* TFormSimpPL::buildDataPage() {
  auto* page = new QWidget;
  auto* col = new QVBoxLayout(page);
  col->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  col->setSpacing(kMargin);

  // One caption width for both groups, so their fields line up.
  int captionWidth = 0;
  for (const auto& def : props::PropFieldDefs())
    captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(ControlText(def.caption)));
  captionWidth += 6;

  auto* record = new QGroupBox(QCoreApplication::translate("PropWindow", "物质"), page);
  auto* rg = new QGridLayout(record);
  rg->setHorizontalSpacing(4);
  rg->setVerticalSpacing(3);
  int row = 0;
  for (PropField f : {PropField::NO, PropField::CN, PropField::EN, PropField::NT}) {
    rg->addWidget(CaptionLabel(Caption(f), captionWidth, record), row, 0,
                  f == PropField::NT ? Qt::AlignTop : Qt::Alignment());
    QWidget* w = nullptr;
    if (f == PropField::NT) {
      // The note tells where the data come from and over which range: worth
      // reading whole, so it wraps over two lines.
      auto* note = new QPlainTextEdit(record);
      note->setReadOnly(true);
      note->setFixedHeight(fontMetrics().lineSpacing() * 2 + 10);
      note->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      note->setFocusPolicy(Qt::ClickFocus);
      w = note;
    } else {
      auto* e = new QLineEdit(record);
      e->setReadOnly(true);
      e->setFocusPolicy(Qt::ClickFocus);
      if (f == PropField::NO) e->setMaximumWidth(80);
      w = e;
    }
    w->setObjectName(Name(f));
    ReadOnlyLook(w);
    shown_[static_cast<size_t>(f)] = w;
    rg->addWidget(w, row++, 1, 1, 2);
  }
  rg->setColumnStretch(2, 1);
  col->addWidget(record);

  grid_ = new ValuesGrid(model_.grid(), page);
  // Room for t, p and a letter a formula brings in; the grid takes what
  // height the page has to spare.
  grid_->setMinimumHeight(grid_->horizontalHeader()->sizeHint().height() + 3 * 20 + 4);
  col->addWidget(grid_, 1);

  auto* results = new QGroupBox(QCoreApplication::translate("PropWindow", "计算结果"), page);
  auto* g = new QGridLayout(results);
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(3);
  Form& form = model_.form();
  int unitWidth = 0;
  for (const auto& def : props::ResultFields()) {
    const std::string base(def.field.substr(0, def.field.size() - 1));
    unitWidth = std::max(unitWidth, UnitSelectorWidth(form.At(base + "U")));
  }
  row = 0;
  for (const auto& def : props::ResultFields()) {
    const std::string base(def.field.substr(0, def.field.size() - 1));
    auto* label = new BoundLabel(*binder_, form.At(base + "L"), results);
    label->setMinimumWidth(captionWidth);
    auto* edit = new TEditD(*binder_, form.At(def.field), results);
    edit->setFixedHeight(21);
    auto* unit = new TComboBoxU(*binder_, form.At(base + "U"), results);
    unit->setFixedSize(unitWidth + 5, 21);
    g->addWidget(label, row, 0);
    g->addWidget(edit, row, 1);
    g->addWidget(unit, row, 2);
    ++row;
  }
  g->setColumnStretch(1, 1);
  col->addWidget(results);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  password_ = new QLineEdit(page);
  password_->setObjectName(QStringLiteral("MaskEdit1"));
  password_->setEchoMode(QLineEdit::Password);
  password_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // echoes '*'
  password_->setFixedWidth(72);
  password_->setPlaceholderText(QCoreApplication::translate("PropWindow", "密码"));
  connect(password_, &QLineEdit::textChanged, this, [this](const QString& t) { model_.password = Ss(t); });
  connect(password_, &QLineEdit::returnPressed, this, &TFormSimpPL::unlock);
  auto* maintain = Button("BitBtn1", QT_TRANSLATE_NOOP("PropWindow", "&E 维护"), page);
  connect(maintain, &QPushButton::clicked, this, &TFormSimpPL::unlock);
  auto* cal = Button("BBCal", QT_TRANSLATE_NOOP("PropWindow", "&C 计算"), page);
  connect(cal, &QPushButton::clicked, this, &TFormSimpPL::calculate);
  auto* ok = Button("BBOK", QT_TRANSLATE_NOOP("PropWindow", "&O 确定"), page);
  connect(ok, &QPushButton::clicked, this, &TFormSimpPL::confirm);
  auto* close = Button("BBCancle", QT_TRANSLATE_NOOP("PropWindow", "&C 关闭"), page);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(password_);
  buttons->addWidget(maintain);
  buttons->addStretch(1);
  buttons->addWidget(cal);
  buttons->addWidget(ok);
  buttons->addWidget(close);
  col->addLayout(buttons);
  return page;
}

QWidget* TFormSimpPL::buildMaintenancePage() {
  auto* page = new QWidget;
  auto* col = new QVBoxLayout(page);
  col->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  col->setSpacing(kMargin);
  auto* box = new QGroupBox(QCoreApplication::translate("PropWindow", "记录"), page);
  auto* form = new QFormLayout(box);
  form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setVerticalSpacing(4);
  auto add = [&](PropField f, QWidget* e) {
    e->setObjectName(QStringLiteral("DBEdit") + Name(f));
    edits_[static_cast<size_t>(f)] = e;
    form->addRow(Caption(f), e);
  };
  auto line = [&](PropField f, int maxWidth) {
    auto* e = new QLineEdit(box);
    e->setMaxLength(props::DefOf(f).maxLength);
    if (maxWidth) e->setMaximumWidth(maxWidth);
    connect(e, &QLineEdit::textEdited, this, [this, f](const QString& t) { maintenanceEdited(f, t); });
    add(f, e);
  };
  line(PropField::NO, 80);
  line(PropField::CN, 240);
  line(PropField::EN, 240);
  for (PropField f : kPropertyTexts) {
    // A table of twenty points fills three rows.
    auto* e = new RecordTextEdit(props::DefOf(f).maxLength, 3, box);
    e->setToolTip(QCoreApplication::translate("PropWindow", kTextTip));
    connect(e, &RecordTextEdit::textEdited, this, [this, f](const QString& t) { maintenanceEdited(f, t); });
    add(f, e);
  }
  line(PropField::NT, 0);
  col->addWidget(box);
  col->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* save = Button("BBSaveSys", QT_TRANSLATE_NOOP("PropWindow", "&S 保存系统库"), page);
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &TFormSimpPL::saveLibrary);
  auto* close = Button("BBClose", QT_TRANSLATE_NOOP("PropWindow", "&C 关闭"), page);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(save);
  buttons->addWidget(close);
  col->addLayout(buttons);
  return page;
}

void TFormSimpPL::loadLibrary(const std::string& path, const std::string& fallback) {
  binder_->run([&] { model_.LoadLibrary(path, fallback); });
  if (auto* save = findChild<QPushButton*>(QStringLiteral("BBSaveSys")))
    save->setToolTip(QCoreApplication::translate("PropWindow", "写入 %1").arg(Qs(model_.libraryPath())));
  applyFilter();
}

void TFormSimpPL::prepare(std::string_view opener, Form* main) {
  model_.Open(opener);
  main_ = main;
  {
    QSignalBlocker block(password_);
    password_->clear();
  }
  pages_->setTabVisible(1, model_.maintenanceVisible());
  pages_->setCurrentIndex(model_.activePage());
  applyPageLayout();
  binder_->refresh();
}

bool TFormSimpPL::showFor(std::string_view opener, Form& main) {
  prepare(opener, &main);
  const bool confirmed = exec() == QDialog::Accepted;
  main_ = nullptr;
  return confirmed;
}

void TFormSimpPL::done(int result) {
  // Closing keeps what was typed on the maintenance page, as moving to
  // another record does.
  if (!postPending()) return;
  QDialog::done(result);
}

void TFormSimpPL::applyPageLayout() {
  const bool maintaining = pages_->currentIndex() == 1;
  navigator_->setMaintenance(maintaining);
  pages_->setFixedWidth(maintaining ? kPageMaintain : kPageBrowse);
  const int height = std::max(sizeHint().height(), minimumSizeHint().height());
  setFixedSize(maintaining ? kWindowMaintain : kWindowBrowse, height);
  syncNavigator();
}

// --- user actions ----------------------------------------------------------

void TFormSimpPL::commitFocusedField() {
  grid_->commitEditor();
  CommitFocusedEdit(this);
}

void TFormSimpPL::calculate() {
  commitFocusedField();
  binder_->run([&] { model_.Calculate(); });
}

void TFormSimpPL::confirm() {
  commitFocusedField();
  bool ok = true;
  if (main_) binder_->run([&] { ok = model_.Confirm(*main_); });
  if (ok) accept();
}

void TFormSimpPL::unlock() {
  model_.password = Ss(password_->text());
  if (!model_.Unlock()) return;  // a wrong password gets no answer
  pages_->setTabVisible(1, true);
  pages_->setCurrentIndex(model_.activePage());
  applyPageLayout();
}

}  // namespace tharvex::gui
