#include "gui/drawing_page.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/app/ini_file.h"
#include "core/engine/engine.h"
#include "gui/section_view.h"
#include "gui/sweep_map.h"
#include "gui/tube_drawing.h"

namespace tharvex::gui {

namespace {

constexpr const char* kSection = "Drawing";
constexpr const char* kKey = "View";
const char* const kViewNames[] = {"layout", "section", "map"};

bool Same(const section::SectionInput& a, const section::SectionInput& b) {
  const layout::LayoutInput &x = a.layout, &y = b.layout;
  return x.passes == y.passes && x.tubes == y.tubes && x.rotated == y.rotated && x.arrangement == y.arrangement &&
         x.khw == y.khw && x.sw == y.sw && x.sh1 == y.sh1 && x.pt == y.pt && x.df == y.df && x.design == y.design &&
         x.ratingNh == y.ratingNh && x.ratingNw == y.ratingNw && x.ratingHeightMm == y.ratingHeightMm &&
         a.tubeOd == b.tubeOd && a.finned == b.finned;
}

}  // namespace

DrawingPage::DrawingPage(TubeDrawing* drawing, std::string settingsFile, QWidget* parent)
    : QWidget(parent), drawing_(drawing), settingsFile_(std::move(settingsFile)) {
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(2, 2, 2, 2);
  auto* bar = new QHBoxLayout;
  switch_ = new QButtonGroup(this);
  const QString captions[] = {QCoreApplication::translate("DrawingPage", "示意图"),
                              QCoreApplication::translate("DrawingPage", "截面图"),
                              QCoreApplication::translate("DrawingPage", "优化图")};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QToolButton(this);
    b->setText(captions[i]);
    b->setCheckable(true);
    b->setObjectName(QStringLiteral("DrawingView%1").arg(i));
    b->setAutoRaise(true);
    switch_->addButton(b, i);
    bar->addWidget(b);
  }
  auto* hint = new QLabel(
      QCoreApplication::translate("DrawingPage", "截面图：滚轮或 +/- 缩放，拖动平移，0 适应窗口；右键导出"), this);
  hint->setStyleSheet(QStringLiteral("color: gray"));
  bar->addSpacing(12);
  bar->addWidget(hint);
  bar->addStretch();
  lay->addLayout(bar);

  stack_ = new QStackedWidget(this);
  section_ = new SectionView(this);
  map_ = new SweepMap(this);
  stack_->addWidget(drawing_);
  stack_->addWidget(section_);
  stack_->addWidget(map_);
  lay->addWidget(stack_, 1);

  View v = Layout;
  const std::string saved = IniFile::Load(settingsFile_).Read(kSection, kKey, kViewNames[0]);
  for (int i = 0; i < 3; ++i)
    if (saved == kViewNames[i]) v = static_cast<View>(i);
  showView(v);
  connect(switch_, &QButtonGroup::idClicked, this, [this](int id) {
    showView(static_cast<View>(id));
    remember(static_cast<View>(id));
  });
}

DrawingPage::View DrawingPage::view() const { return static_cast<View>(stack_->currentIndex()); }

void DrawingPage::showView(View v) {
  stack_->setCurrentIndex(v);
  if (QAbstractButton* b = switch_->button(v)) b->setChecked(true);
  if (v == Section) section_->setFocus();
}

void DrawingPage::remember(View v) const {
  if (settingsFile_.empty()) return;
  try {
    IniFile ini = IniFile::Load(settingsFile_);
    ini.Write(kSection, kKey, kViewNames[v]);
    ini.Save(settingsFile_);
  } catch (const std::exception&) {
    // The choice is only a convenience: a settings file that cannot be
    // written leaves the view as chosen for this session.
  }
}

void DrawingPage::refresh(const engine::Engine& engine) {
  const section::SectionInput& in = engine.state().section;
  if (!shownValid_ || !Same(in, shown_)) {
    shown_ = in;
    shownValid_ = true;
    section_->setScene(section::BuildSection(in));
  }
  if (engine.sweep().revision != sweepRevision_) {
    sweepRevision_ = engine.sweep().revision;
    map_->setGrid(engine.sweep());
  }
  if (drawing_->isVisible()) drawing_->update();
}

}  // namespace tharvex::gui
