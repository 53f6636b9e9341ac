#include "core/app/project_session.h"

#include <filesystem>

#include "core/app/recent_files.h"
#include "core/engine/areas_nozzles.h"
#include "core/fields/i18n.h"
#include "core/fields/solver.h"
#include "core/files/file_error.h"
#include "core/files/form_record.h"
#include "core/mainwin/main_window_table.h"

namespace tharvex {

namespace {

// Dialogs are shown the moment they are made: their texts are translated here.
std::string DataFilter() { return i18n::Tr("Messages", "Tharvex数据文件") + "(*.zrf)|*.zrf"; }
std::string TemplateFilter() { return i18n::Tr("Messages", "Tharvex模板文件") + "(*.zrt)|*.zrt"; }

}  // namespace

ProjectSession::ProjectSession(MainModel& model, SessionUi& ui, const AppPaths& paths, MostRecentFiles* recent)
    : model_(model), ui_(ui), paths_(paths), recent_(recent) {}

FileDialogSpec ProjectSession::OpenDataDialog() const {
  return {i18n::Tr("Messages", "打开项目文件"),
          DataFilter() + "|" + TemplateFilter(),
          "zrf",
          paths_.projectsDir,
          {},
          false};
}
FileDialogSpec ProjectSession::SaveDataDialog() const {
  return {i18n::Tr("Messages", "保存项目文件"), DataFilter(), "zrf", paths_.projectsDir, {}, true};
}
FileDialogSpec ProjectSession::OpenTemplateDialog() const {
  return {i18n::Tr("Messages", "请选择模板"), TemplateFilter(), "zrt", paths_.supportsDir, {}, false};
}
FileDialogSpec ProjectSession::SaveTemplateDialog() const {
  return {i18n::Tr("Messages", "保存为模板"), TemplateFilter(), "zrt", paths_.supportsDir, {}, true};
}

std::string ProjectSession::TitleText() const {
  std::string t = mainwin::kTitle;
  if (!ProjectFileName().empty()) t += "-[" + ProjectFileName() + "]";
  return t;
}

std::optional<std::string> ProjectSession::Choose(FileDialogSpec spec, std::string& remembered, bool clear) {
  if (clear) remembered.clear();
  spec.fileName = remembered;
  auto chosen = ui_.ChooseFile(spec);
  if (chosen) remembered = *chosen;
  return chosen;
}

void ProjectSession::Report(const std::string& text) {
  Message m;
  m.text = text;
  m.caption = "Tharvex";
  m.icon = MessageIcon::Error;
  model_.form().messages().Show(m);
}

void ProjectSession::SetModified(bool v) { model_.SetModified(v); }

bool ProjectSession::Write(const std::string& file) {
  const bool marks = MemoHoldsLineMarks(model_.form(), mainwin::kExcludedFromFile);
  try {
    WriteFormRecord(model_.form(), file, false, mainwin::kExcludedFromFile, true);
  } catch (const FileError& e) {
    Report(e.what());
    return false;
  }
  if (marks && !toldLineMarks_) {
    toldLineMarks_ = true;
    ui_.Inform(kLineMarksNote, kLineMarksCaption);
  }
  return true;
}

bool ProjectSession::QuerySaveChanges() {
  if (!Modified()) return true;
  // Cleared before the question: a No does not ask again.
  SetModified(false);
  if (!ui_.AskYesNo(kSavePrompt, kSavePromptCaption)) return true;
  std::string file = ProjectFileName();
  if (file.empty()) {
    auto chosen = Choose(SaveDataDialog(), saveDataName_, false);
    if (!chosen) {
      // Yes, then cancel: the changes are neither saved nor dropped.
      SetModified(true);
      return false;
    }
    file = *chosen;
  }
  if (!Write(file)) {
    SetModified(true);
    return false;
  }
  model_.project().fileName = file;
  UpdateTitle(true);
  return true;
}

void ProjectSession::UpdateTitle(bool addToRecent) {
  if (addToRecent && recent_) recent_->AddFile(ProjectFileName());
  model_.form().setTitle(TitleText());
  SetModified(false);
}

// The handlers' calculation ran on half-loaded values and may have coloured
// the surplus for a number the second pass has since replaced.
void ProjectSession::MarkLoadedSurplus() {
  Form& form = model_.form();
  Control* surplus = form.Find("CsD");
  const Control* required = form.Find("CsrD");
  if (surplus && required) engine::MarkSurplus(*surplus, *required);
}

void ProjectSession::RefreshModes() {
  Form& form = model_.form();
  // The phase lists show or hide the two-phase state labels, which no
  // record holds.
  if (Control* c = form.Find("PhtD"); c && c->onChange) c->onChange(c);
  if (Control* c = form.Find("CalTypeD"); c && c->onChange) c->onChange(c);
  if (Control* c = form.Find("CBTType"); c && c->onClick) c->onClick(c);
  // The arrangement list was restored without notification; its handler
  // names the rotation angle of the check box (30° or 45°).
  if (Control* c = form.Find("CBTubArr"); c && c->onClick) c->onClick(c);
}

bool ProjectSession::OpenFile(const std::string& file, bool addToRecent, ReadStatus* status) {
  std::optional<FormRecordPlan> plan;
  try {
    plan = PlanFormRecordFile(model_.form(), file);
  } catch (const FileError& e) {
    // A damaged file changes nothing, not even the project's name.
    Report(e.what());
    return false;
  }
  // A missing file or one without the header loads nothing but still
  // becomes the project's file.
  model_.project().fileName = file;
  // The mode handlers run between the records and their second pass, so
  // the loaded window shows every recorded value exactly.
  if (plan) {
    mainwin::ResetLaterControls(model_.form());
    ApplyFormRecord(model_.form(), *plan, [this] { RefreshModes(); });
    MarkLoadedSurplus();
  } else {
    RefreshModes();
  }
  if (status) {
    std::error_code ec;
    *status = plan ? ReadStatus::Applied
                   : (std::filesystem::exists(file, ec) ? ReadStatus::WrongHeader : ReadStatus::Missing);
  }
  UpdateTitle(addToRecent);
  if (onLoaded) onLoaded(file, false);
  return true;
}

bool ProjectSession::SaveFile(const std::string& file) {
  if (!Write(file)) return false;
  model_.project().fileName = file;
  UpdateTitle(recent_ != nullptr);
  return true;
}

bool ProjectSession::New() {
  if (!QuerySaveChanges()) return false;
  Form& form = model_.form();
  form.setStatus(1, "");
  openTempName_.clear();
  saveDataName_.clear();
  auto templ = Choose(OpenTemplateDialog(), openTempName_, true);
  auto file = Choose(SaveDataDialog(), saveDataName_, true);
  if (!file) return false;
  // The template is read and checked before any field is released, so a
  // damaged one leaves the window as it was.
  std::optional<FormRecordPlan> plan;
  if (templ) {
    try {
      plan = PlanFormRecordFile(form, *templ);
    } catch (const FileError& e) {
      Report(e.what());
      return false;
    }
  }
  for (const auto& c : form.controls())
    if (c->kind() == ControlKind::TEditD) ReleaseSolved(*c);
  model_.project().fileName = *file;
  if (plan) {
    mainwin::ResetLaterControls(form);
    ApplyFormRecord(form, *plan, [this] { RefreshModes(); });
    MarkLoadedSurplus();
  } else {
    RefreshModes();
  }
  UpdateTitle(false);
  if (onLoaded) onLoaded(templ ? *templ : std::string(), true);
  return true;
}

bool ProjectSession::Open() {
  if (!QuerySaveChanges()) return false;
  model_.form().setStatus(1, "");
  auto file = Choose(OpenDataDialog(), openDataName_, true);
  if (!file) return false;
  return OpenFile(*file, true);
}

bool ProjectSession::OpenRecent(const std::string& file) {
  if (!QuerySaveChanges()) return false;
  model_.form().setStatus(1, "");
  return OpenFile(file, true);
}

bool ProjectSession::Save() {
  if (!Modified()) return false;
  std::string file = ProjectFileName();
  if (file.empty()) {
    auto chosen = Choose(SaveDataDialog(), saveDataName_, true);
    if (!chosen) return false;
    file = *chosen;
  }
  if (!Write(file)) return false;
  model_.project().fileName = file;
  UpdateTitle(true);
  return true;
}

bool ProjectSession::SaveAs() {
  auto file = Choose(SaveDataDialog(), saveDataName_, true);
  if (!file) return false;
  if (!Write(*file)) return false;
  model_.project().fileName = *file;
  UpdateTitle(true);
  return true;
}

bool ProjectSession::SaveAsTemplate() {
  auto file = Choose(SaveTemplateDialog(), saveTempName_, true);
  if (!file) return false;
  return Write(*file);
}

bool ProjectSession::Exit() { return QuerySaveChanges(); }

}  // namespace tharvex
