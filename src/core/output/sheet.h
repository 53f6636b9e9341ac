#pragma once
// The calculation sheet "计算书": a document an engineer can sign, built from
// what the main window shows — title block, input data, results, the method
// with its correlations, the design check, warnings, the tube layout to
// scale and the comments — and written as a PDF.
#include <ctime>
#include <string>
#include <vector>

#include "core/fields/i18n.h"
#include "core/output/tube_layout.h"

namespace tharvex {
class MainModel;
}

namespace tharvex::sheet {

struct TitleBlock {
  std::string project;   // project name ("未命名" before the first save)
  std::string file;      // full path of the project file ("" before the first save)
  std::string dateTime;  // "2026-12-09 14:05"
  std::string program;   // program name and version
  std::string method;    // calculation method
};

struct Table {
  std::vector<std::string> header;
  std::vector<double> widths;  // relative column widths
  std::vector<std::vector<std::string>> rows;
  std::vector<bool> flagged;  // per row: drawn as a failed or out-of-range line
};

struct Block {
  enum class Kind { Heading, SubHeading, Table, Paragraph, Drawing };
  Kind kind = Kind::Paragraph;
  std::string text;  // heading or paragraph text (paragraphs may hold line breaks)
  Table table;
  bool flagged = false;  // a paragraph drawn as a warning
};

struct Document {
  TitleBlock title;
  std::vector<Block> blocks;
  layout::DisplayList drawing;  // the tube layout of the last calculation
  std::string drawingCaption;   // the layout's data printed under the drawing
};

// Builds the sheet from the window's current state; `when` is the date and
// time printed in the title block.
Document BuildSheet(const MainModel& model, const std::tm& when);

// Lays the sheet out on A4 pages and writes it as a PDF (text as text, the
// CJK font embedded as a subset). The whole file is written or nothing.
bool WriteSheetPdf(const Document& doc, const std::string& path, std::string* error);

// The PDF bytes of the sheet; empty with `error` set on failure.
std::string RenderSheetPdf(const Document& doc, std::string* error);

// The export command's core: builds the sheet of the window now and writes it.
bool ExportSheet(const MainModel& model, const std::string& path, std::string* error);

// The page title "计算书" and the file filter of the export dialog.
inline constexpr const char* kSheetTitle = THX_TR_NOOP("Sheet", "计算书");

}  // namespace tharvex::sheet
