#include "core/app/report_commands.h"

#include "core/app/main_model.h"
#include "core/fields/i18n.h"
#include "core/output/rtf_writer.h"

namespace tharvex::report {

std::vector<StyledLine> MOReportClick(MainModel& model) {
  Form& form = model.form();
  Control& pages = form.At("PageControl1");
  const auto& tabs = pages.items();
  for (size_t i = 0; i < tabs.size(); ++i)
    if (tabs[i] == "TabSheetReport") pages.setItemIndex(static_cast<int>(i));
  std::vector<StyledLine> lines = BuildReport(form, model.project().fileName, &model.engine().state().correlations);
  Control& re = form.At("ReReport");
  re.clearLines();
  re.setLines(Texts(lines));
  return lines;
}

FileDialogSpec ReportSaveDialog(std::string_view projectFile, std::string_view fallbackFolder) {
  FileDialogSpec spec;
  spec.title = i18n::Tr("Messages", "保存报表文件");
  spec.filter = i18n::Tr("Messages", "报表文件") + "(*.doc)|*.doc";
  spec.defaultExt = "doc";
  spec.fileName = ProposedReportName(projectFile);
  size_t slash = projectFile.find_last_of("/\\");
  spec.folder =
      slash == std::string_view::npos ? std::string(fallbackFolder) : std::string(projectFile.substr(0, slash));
  if (spec.folder.empty() && slash == 0) spec.folder = "/";
  spec.save = true;
  return spec;
}

FileDialogSpec ReportPdfDialog(std::string_view projectFile, std::string_view fallbackFolder) {
  FileDialogSpec spec = ReportSaveDialog(projectFile, fallbackFolder);
  spec.title = i18n::Tr("Messages", "导出为 PDF");
  spec.filter = i18n::Tr("Messages", "PDF 文件") + "(*.pdf)|*.pdf";
  spec.defaultExt = "pdf";
  // The proposal always ends in ".doc": swap the extension only.
  spec.fileName.replace(spec.fileName.size() - 4, 4, ".pdf");
  return spec;
}

bool MOSaveClick(MainModel& model, SessionUi& ui, const std::vector<StyledLine>& content,
                 std::string_view fallbackFolder) {
  auto file = ui.ChooseFile(ReportSaveDialog(model.project().fileName, fallbackFolder));
  if (!file) return false;
  SaveResult r = SaveReportRtf(*file, content);
  if (!r.ok) {
    model.form().messages().Show(Message{r.message, "Tharvex", MessageIcon::Error, MessageButtons::Ok});
    return false;
  }
  return true;
}

}  // namespace tharvex::report
