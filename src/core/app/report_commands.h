#pragma once
// The report's commands: building it into the report tab, and saving it
// with the dialog's settings as RTF.
#include <string>
#include <string_view>
#include <vector>

#include "core/app/session_ui.h"
#include "core/output/report.h"

namespace tharvex {
class MainModel;
}

namespace tharvex::report {

// The report command: makes the report tab the active page, rebuilds the
// report and writes its lines into the report control `ReReport`. Returns the
// styled lines so that a front end can show the formats.
std::vector<StyledLine> MOReportClick(MainModel& model);

// The save dialog: title "保存报表文件", filter "报表文件(*.doc)|*.doc",
// default extension "doc", the proposed name from the project file, and the
// project's folder to start in (`fallbackFolder` while there is no project).
FileDialogSpec ReportSaveDialog(std::string_view projectFile, std::string_view fallbackFolder);

// The dialog of the PDF export: like the save dialog, with the title
// "导出为 PDF", PDF files only and the project's name ending in ".pdf".
FileDialogSpec ReportPdfDialog(std::string_view projectFile, std::string_view fallbackFolder);

// The save command: proposes the name, lets the user choose the file and
// writes `content` (the report control's current text with its formats) to
// it. A failed write is shown as an error message and changes nothing else.
// True when a file was written.
bool MOSaveClick(MainModel& model, SessionUi& ui, const std::vector<StyledLine>& content,
                 std::string_view fallbackFolder);

}  // namespace tharvex::report
