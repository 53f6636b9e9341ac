#pragma once
// The report as a Rich Text Format document, and saving it as the report
// file. The font table names the report's monospace CJK font (GB2312 charset
// 134, with SimSun as the alternative on systems without it); every
// non-ASCII character is written as \uN followed by its GBK bytes for
// readers that do not understand Unicode escapes. So that the columns stay
// aligned in office suites too, a word joiner separates an ideograph from an
// adjacent Latin letter or digit (no automatic spacing between them), the few
// signs the font draws narrower than two columns are widened, and headings
// keep with the line after them.
#include <string>
#include <string_view>
#include <vector>

#include "core/output/report.h"

namespace tharvex::report {

inline constexpr std::string_view kReportFont = "Noto Sans Mono CJK SC";

// The whole RTF document: one paragraph per line, \fs = 2 x point size,
// bold where the line is bold.
std::string WriteRtf(const std::vector<StyledLine>& lines);

// The report file proposed for a project: the project file name with its
// extension removed (folder kept) and ".doc" appended; no project gives
// ".doc".
std::string ProposedReportName(std::string_view projectFile);

// Result of writing a file: ok, or a message naming the file and the cause.
struct SaveResult {
  bool ok = true;
  std::string message;
};

// Writes the report as RTF to `path`, replacing any file of that name. The
// text goes to a temporary file beside it first, which is then renamed, so a
// failed write leaves an existing file as it was.
SaveResult SaveReportRtf(const std::string& path, const std::vector<StyledLine>& lines);

}  // namespace tharvex::report
