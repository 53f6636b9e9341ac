#include "gui/window_services.h"

#include "gui/help/help_service.h"
#include "gui/main_window.h"
#include "gui/project_files.h"
#include "gui/props/property_service.h"
#include "gui/report/report_service.h"

namespace tharvex::gui {

WindowServices::WindowServices(TFormTharvex& window, MessageSink& sink)
    : window_(window),
      files_(std::make_unique<ProjectFiles>(window, sink)),
      report_(std::make_unique<ReportService>(window, *files_)),
      help_(std::make_unique<HelpService>(window, *files_)),
      properties_(std::make_unique<PropertyService>(window, *files_)) {}

WindowServices::~WindowServices() = default;

const layout::DisplayList* WindowServices::drawing() const { return &window_.model().engine().drawing(); }

void WindowServices::calculate() { window_.model().Calculate(nullptr); }
void WindowServices::optimise() { window_.model().Optimise(nullptr); }

}  // namespace tharvex::gui
