#pragma once
// The report tab and the output commands: building, saving, printing and
// previewing the report, its PDF export, the calculation sheet and the data
// export.
#include <QPointer>
#include <QTextDocument>

class QAction;
class QWidget;

namespace tharvex {
class SessionUi;
}

namespace tharvex::gui {

class TFormTharvex;
class ProjectFiles;
class ReportEdit;

class ReportService {
 public:
  ReportService(TFormTharvex& window, ProjectFiles& files);

  // The report tab's page (made once, when the tab is first shown).
  QWidget* reportPage(QWidget* parent);
  void buildReport();
  void saveReport();
  void printReport();
  // The print preview and the PDF export: in the report's context menu and,
  // once this is called after the menus are built, in the output menu after
  // "&P 打印报表".
  void addReportCommands();
  void previewReport();
  bool exportReportPdf();
  // The calculation sheet "计算书" (PDF) and the data export (xlsx, JSON, CSV).
  bool exportSheet();
  bool exportData();
  // The save dialogs answered by `ui` instead of real dialogs (tests); null
  // restores the real ones.
  void setReportUi(SessionUi* ui) { reportUi_ = ui; }

 private:
  const QTextDocument& reportDocument() const;
  SessionUi& reportDialogs();

  TFormTharvex& window_;
  ProjectFiles& files_;
  QPointer<ReportEdit> report_;
  QAction* previewAction_ = nullptr;
  QAction* pdfAction_ = nullptr;
  SessionUi* reportUi_ = nullptr;
  QTextDocument noReport_;  // printed while the report page was never made
};

}  // namespace tharvex::gui
