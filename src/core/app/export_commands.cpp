#include "core/app/export_commands.h"

#include "core/app/main_model.h"
#include "core/fields/i18n.h"
#include "core/output/export_data.h"
#include "core/output/report_format.h"
#include "core/output/sheet.h"

namespace tharvex::exportdata {

namespace {

FileDialogSpec Dialog(std::string_view projectFile, std::string_view fallbackFolder, std::string ext) {
  FileDialogSpec spec;
  spec.defaultExt = ext;
  std::string base = projectFile.empty() ? i18n::Tr("Sheet", "未命名") : report::ProjectBaseName(projectFile);
  spec.fileName = base + "." + ext;
  size_t slash = projectFile.find_last_of("/\\");
  spec.folder =
      slash == std::string_view::npos ? std::string(fallbackFolder) : std::string(projectFile.substr(0, slash));
  if (spec.folder.empty() && slash == 0) spec.folder = "/";
  spec.save = true;
  return spec;
}

bool EndsWithNoCase(std::string_view s, std::string_view ext) {
  if (s.size() < ext.size()) return false;
  for (size_t i = 0; i < ext.size(); ++i) {
    char a = s[s.size() - ext.size() + i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (a != ext[i]) return false;
  }
  return true;
}

bool Fail(MainModel& model, const std::string& error, const char* caption) {
  model.form().messages().Show(Message{error, caption, MessageIcon::Error, MessageButtons::Ok});
  return false;
}

}  // namespace

FileDialogSpec SheetDialog(std::string_view projectFile, std::string_view fallbackFolder) {
  FileDialogSpec spec = Dialog(projectFile, fallbackFolder, "pdf");
  spec.title = i18n::Tr("Messages", "导出计算书");
  spec.filter = i18n::Tr("Messages", "PDF 文件") + "(*.pdf)|*.pdf";
  return spec;
}

FileDialogSpec DataDialog(std::string_view projectFile, std::string_view fallbackFolder) {
  FileDialogSpec spec = Dialog(projectFile, fallbackFolder, "xlsx");
  spec.title = i18n::Tr("Messages", "导出数据");
  spec.filter = i18n::Tr("Messages", "Excel 工作簿") + "(*.xlsx)|*.xlsx|" + i18n::Tr("Messages", "JSON 文件") +
                "(*.json)|*.json|" + i18n::Tr("Messages", "CSV 文件") + "(*.csv)|*.csv";
  return spec;
}

bool MOSheetClick(MainModel& model, SessionUi& ui, std::string_view fallbackFolder) {
  auto file = ui.ChooseFile(SheetDialog(model.project().fileName, fallbackFolder));
  if (!file) return false;
  std::string error;
  if (!sheet::ExportSheet(model, *file, &error)) return Fail(model, error, THX_TR_NOOP("Messages", "导出计算书"));
  return true;
}

bool MFExportClick(MainModel& model, SessionUi& ui, std::string_view fallbackFolder) {
  auto file = ui.ChooseFile(DataDialog(model.project().fileName, fallbackFolder));
  if (!file) return false;
  std::string error;
  const Form& form = model.form();
  bool ok = EndsWithNoCase(*file, ".json")  ? WriteJson(form, *file, &error)
            : EndsWithNoCase(*file, ".csv") ? WriteCsv(form, *file, &error)
                                            : WriteXlsx(form, *file, &error);
  if (!ok) return Fail(model, error, THX_TR_NOOP("Messages", "导出数据"));
  return true;
}

}  // namespace tharvex::exportdata
