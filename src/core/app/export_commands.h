#pragma once
// The commands "导出计算书…" (output menu) and "导出数据…" (file menu): ask for
// the file, write it, show a failure as an error message.
#include <string>
#include <string_view>

#include "core/app/session_ui.h"

namespace tharvex {
class MainModel;
}

namespace tharvex::exportdata {

// The dialogs: the project's name with ".pdf", or with the data formats'
// extension (xlsx proposed), in the project's folder.
FileDialogSpec SheetDialog(std::string_view projectFile, std::string_view fallbackFolder);
FileDialogSpec DataDialog(std::string_view projectFile, std::string_view fallbackFolder);

// True when a file was written.
bool MOSheetClick(MainModel& model, SessionUi& ui, std::string_view fallbackFolder);
// The format follows the chosen file's extension: .json, .csv, else xlsx.
bool MFExportClick(MainModel& model, SessionUi& ui, std::string_view fallbackFolder);

}  // namespace tharvex::exportdata
