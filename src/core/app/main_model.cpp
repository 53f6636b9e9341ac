#include "core/app/main_model.h"

#include <algorithm>
#include <string_view>

#include "core/files/file_error.h"
#include "core/files/form_record.h"
#include "core/mainwin/main_window_table.h"
#include "core/tools/install.h"

namespace tharvex {

namespace {

// Groups of the process tab whose quantity fields recalculate on exit.
constexpr std::string_view kCaseGroups[] = {
    "GBShellBlanace", "GBTubeBlanace", "GBFinStru", "GBBaseStru", "GBBoxStru",
    "GBBoxRes",       "GBTubeRes",     "GBShare",   "GBGeneral",  "GBEnters",
};

// Result fields and optimiser limits whose exit does not recalculate.
constexpr std::string_view kNoRecalcOnExit[] = {
    "asD", "afD", "UempD", "UmaxD", "atD",  "UtD",  "QaD",   "AdtD",
    "AcD", "ArD", "KaD",   "AwrD",  "Us2D", "Ut2D", "dipSD", "DipTD",
};

template <typename List>
bool Contains(const List& list, std::string_view s) {
  return std::find(std::begin(list), std::end(list), s) != std::end(list);
}

}  // namespace

MainModel::MainModel(MessageSink& sink) : form_(sink) {
  mainwin::Build(form_);
  engine_ = std::make_unique<engine::Engine>(form_);
  InstallHandlers();
  tools::InstallHandlers(form_);
  // A comment is saved with the project: changing one is an unsaved change,
  // as a calculation is.
  for (const auto& d : mainwin::Table()) {
    if (d.entry != mainwin::Entry::Rich) continue;
    form_.At(d.value()).onExit = [this](Control*) {
      project_.modified = true;
      if (Control* save = form_.Find("MFSave")) save->setEnabled(true);
    };
  }
}

void MainModel::SetModified(bool modified) {
  project_.modified = modified;
  if (Control* save = form_.Find("MFSave")) save->setEnabled(modified);
  if (!modified) unmodifiedRecords_ = Records();
}

std::optional<std::string> MainModel::Records() const {
  try {
    return FormRecordText(form_, mainwin::kExcludedFromFile, false);
  } catch (const FileError&) {
    return std::nullopt;  // a value the file cannot hold: compared as a change
  }
}

template <typename Step>
void MainModel::Calculating(Step&& step) {
  const uint64_t runs = engine_->runs();
  step();
  if (engine_->runs() == runs) return;
  if (!project_.modified && unmodifiedRecords_) {
    // Showing the drawing tab reruns the calculation: on a project just
    // opened it writes the same results back, which is no change to save.
    const std::optional<std::string> now = Records();
    if (now && *now == *unmodifiedRecords_) return;
  }
  SetModified(true);
}

void MainModel::Calculate(Control* sender) {
  Calculating([&] { engine_->WsDExit(sender); });
}

void MainModel::Optimise(Control* sender) {
  Calculating([&] { engine_->BtOpt1Click(sender); });
}

void MainModel::InstallHandlers() {
  using engine::Engine;
  // An engine handler as a control's handler. Most of them run the
  // calculation, which marks the project modified.
  auto wire = [this](void (Engine::*handler)(Control*)) {
    return [this, handler](Control* sender) { Calculating([&] { (engine_.get()->*handler)(sender); }); };
  };
  auto calc = wire(&Engine::WsDExit);
  for (const auto& d : mainwin::Table()) {
    if (d.entry != mainwin::Entry::Quantity || !Contains(kCaseGroups, d.parent)) continue;
    std::string name = d.value();
    if (Contains(kNoRecalcOnExit, name)) continue;
    form_.At(name).onExit = calc;
  }
  for (const char* name : {"khwD", "BayD", "LatD", "PnD", "FmD", "TmD", "SmD"}) form_.At(name).onExit = calc;
  for (const char* name : {"FmD", "TmD", "SmD", "PmD"}) form_.At(name).onChange = calc;
  form_.At("CBRoate").onClick = calc;
  form_.At("MethodD").onChange = calc;

  auto calType = wire(&Engine::CalTypeDChange);
  form_.At("CalTypeD").onChange = calType;
  form_.At("OMD").onChange = calType;
  auto phase = wire(&Engine::PhsDChange);
  form_.At("PhsD").onChange = phase;
  form_.At("PhtD").onChange = phase;
  form_.At("CBWater").onClick = wire(&Engine::CBWaterClick);
  form_.At("CBTType").onClick = wire(&Engine::CBTTypeClick);
  form_.At("CBTubArr").onClick = wire(&Engine::CBTubArrClick);
  auto opt = wire(&Engine::BtOpt1Click);
  form_.At("tbOpt1").onClick = opt;
  form_.At("MROpt1").onClick = opt;
}

}  // namespace tharvex
