#pragma once
// The page of the drawing tab: a switch between the layout drawing
// ("示意图"), the cross-section to scale ("截面图") and the optimiser's map
// ("优化图"); the choice is kept in the settings file.
#include <QWidget>
#include <string>

#include "core/output/section_geometry.h"

class QButtonGroup;
class QStackedWidget;

namespace tharvex::engine {
class Engine;
}

namespace tharvex::gui {

class TubeDrawing;
class SectionView;
class SweepMap;

class DrawingPage : public QWidget {
  Q_OBJECT
 public:
  enum View { Layout = 0, Section = 1, Map = 2 };
  DrawingPage(TubeDrawing* drawing, std::string settingsFile, QWidget* parent = nullptr);

  // Takes the calculation's latest layout and sweep (rebuilt only when they changed).
  void refresh(const engine::Engine& engine);
  void showView(View v);
  View view() const;
  SectionView* section() const { return section_; }
  SweepMap* map() const { return map_; }
  TubeDrawing* drawing() const { return drawing_; }

 private:
  void remember(View v) const;
  TubeDrawing* drawing_;
  SectionView* section_;
  SweepMap* map_;
  QStackedWidget* stack_;
  QButtonGroup* switch_;
  std::string settingsFile_;
  section::SectionInput shown_;
  bool shownValid_ = false;
  unsigned long long sweepRevision_ = 0;
};

}  // namespace tharvex::gui
