#pragma once
// The calculation report: a formatted copy of what the main window's fields
// show, in ten sections that follow the group boxes of the input tab. It
// calculates nothing; an incomplete case shows blank result columns.
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/method/method.h"
#include "core/fields/form.h"
#include "core/fields/i18n.h"

namespace tharvex::report {

// One line of the report with its character format. Title and blank lines
// between sections are 14 pt bold, headings 10 pt bold; rows and separators
// take the report control's default format, the window font at 9 pt regular.
struct StyledLine {
  std::string text;
  int size = 10;  // points
  bool bold = false;
  bool red = false;  // a warning: a shortfall or results left from an earlier calculation

  bool operator==(const StyledLine&) const = default;
};

inline constexpr int kTitleSize = 14;
inline constexpr int kHeadingSize = 10;
inline constexpr int kBodySize = 9;  // the report control's default format
inline constexpr int kValueDecimals = 4;

// Under the title while some result fields show an earlier calculation.
inline constexpr std::string_view kStaleWarning =
    THX_TR_NOOP("Report", "      注意：部分结果来自先前的计算（最近一次计算未能完成），请核对输入后重新计算！");
// At the end of the surplus row while the surplus is below the required one.
inline constexpr std::string_view kShortfall = THX_TR_NOOP("Report", "(不足)");

// Builds the whole report from the main window's controls. `projectFile` is
// the current project's full path, empty while the case was never saved.
// With the correlations of an engineering-method calculation, the sections
// of both sides and the main results name them.
std::vector<StyledLine> BuildReport(const Form& form, std::string_view projectFile,
                                    const engine::method::UseLog* used = nullptr);

// Field rows of the report (one per enabled field of `bases`, in order):
// caption, value with `decimals` decimals (counts of tubes and columns as
// whole numbers; see ReportNumber for the smallest values), unit cut to 20
// columns.
std::vector<StyledLine> FieldRows(const Form& form, const std::vector<std::string_view>& bases, int decimals);

// The texts of styled lines, one per line.
std::vector<std::string> Texts(const std::vector<StyledLine>& lines);

// What the report control holds now, with the user's hand edits: its lines,
// each carrying the format of the built line at the same place when the text
// is still the same, else the regular body format.
std::vector<StyledLine> ReportContent(const Control& reReport, const std::vector<StyledLine>& built);

}  // namespace tharvex::report
