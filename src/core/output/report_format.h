#pragma once
// Column formatting of the calculation report. Widths are display columns:
// an ASCII character takes one, every other character two (its length in
// GB2312), so the columns line up in a font where a Chinese character is
// exactly two ASCII characters wide.
#include <string>
#include <string_view>

namespace tharvex::report {

// Display columns of a UTF-8 text.
int DisplayWidth(std::string_view utf8);

// The text padded with blanks on the right to `width` columns; a longer text
// is kept whole (like "%-20s").
std::string PadRight(std::string_view utf8, int width);

// The text cut or blank-padded to exactly `width` columns. A wide character
// that would straddle the cut is dropped and replaced by a blank.
std::string CutPad(std::string_view utf8, int width);

// Fewest significant digits a report value may keep in its fixed form.
inline constexpr int kMinReportDigits = 3;

// A number as the report writes it: fixed notation with `decimals` decimals
// ("1005.0000"); a value that this form rounds and of which fewer than
// kMinReportDigits significant digits survive gets four significant digits
// and an exponent instead ("2.010E-5", "-1.700E-4"), while one the form holds
// exactly ("0.0060") stays. Empty when it cannot be written.
std::string ReportNumber(double v, int decimals);

// The value column of a field row: empty (after trimming blanks) gives
// `width` blanks, a decimal number gives ReportNumber, anything else the
// untouched text; padded to `width`.
std::string ValueColumn(std::string_view text, int decimals, int width = 16);

// Columns of a row's caption and value: 20 and 16 as the Chinese report has
// always had them, wider while the texts are translated (English runs longer).
int LabelWidth();
int ValueWidth();

// "        %-20s%-16s%-20s": 8 blanks, label, value, unit.
std::string ReportRow(std::string_view label, std::string_view value, std::string_view unit);

// Heading and sub-heading: "      %-20s".
std::string Heading(std::string_view text);

// Report title: "              %-20s" with the project name (file name without
// folder and without its last four characters) followed by " 计算报告".
std::string Title(std::string_view projectFile);

// The project file name without its folder ("/" or "\") and its last four
// characters (the extension).
std::string ProjectBaseName(std::string_view projectFile);

inline constexpr std::string_view kSeparator = "         -----------------";

}  // namespace tharvex::report
