#include "core/output/report_format.h"

#include <charconv>
#include <cmath>

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/fields/units.h"

namespace tharvex::report {

namespace {

// Bytes of the UTF-8 sequence that starts with `lead`.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;  // stray continuation byte: one column of its own
}

}  // namespace

int DisplayWidth(std::string_view utf8) { return GbkByteLength(utf8); }

int LabelWidth() { return i18n::Translating() ? 36 : 20; }
int ValueWidth() { return i18n::Translating() ? 24 : 16; }

std::string PadRight(std::string_view utf8, int width) {
  std::string s(utf8);
  int w = DisplayWidth(utf8);
  if (w < width) s.append(static_cast<size_t>(width - w), ' ');
  return s;
}

std::string CutPad(std::string_view utf8, int width) {
  std::string s;
  int used = 0;
  size_t i = 0;
  while (i < utf8.size()) {
    size_t n = std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    int w = n == 1 ? 1 : 2;
    if (used + w > width) break;
    s.append(utf8.substr(i, n));
    used += w;
    i += n;
  }
  if (used < width) s.append(static_cast<size_t>(width - used), ' ');
  return s;
}

std::string ReportNumber(double v, int decimals) {
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return {};
  std::string fixed(buf, static_cast<size_t>(res.ptr - buf));
  // Significant digits the fixed form keeps: every digit from the first non-zero one.
  size_t first = fixed.find_first_of("123456789");
  if (v == 0 || decimals <= 0) return fixed;
  int kept = 0;
  if (first != std::string::npos)
    for (size_t i = first; i < fixed.size(); ++i) kept += fixed[i] >= '0' && fixed[i] <= '9';
  if (kept >= kMinReportDigits) return fixed;
  // A short value the fixed form holds exactly (a fin gap of 0.006 m) loses nothing.
  double back = 0;
  if (std::from_chars(fixed.data(), fixed.data() + fixed.size(), back).ec == std::errc() && back == v) return fixed;
  // Too few survive (a viscosity of 2.01E-5 Pa.s, a fouling of 0.00017): four
  // significant digits with an exponent, "2.010E-5".
  res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 3);
  std::string sci(buf, static_cast<size_t>(res.ptr - buf));
  size_t e = sci.find('e');
  int exponent = 0;
  std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+'), sci.data() + sci.size(), exponent);
  return sci.substr(0, e) + "E" + std::to_string(exponent);
}

std::string ValueColumn(std::string_view text, int decimals, int width) {
  std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return std::string(static_cast<size_t>(width), ' ');
  if (auto v = ParseStrict(trimmed); v && std::isfinite(*v)) {
    std::string number = ReportNumber(*v, decimals);
    if (!number.empty()) return PadRight(number, width);
  }
  return PadRight(text, width);
}

std::string ReportRow(std::string_view label, std::string_view value, std::string_view unit) {
  return "        " + PadRight(label, LabelWidth()) + PadRight(value, ValueWidth()) + PadRight(unit, 20);
}

std::string Heading(std::string_view text) { return "      " + PadRight(text, 20); }

std::string ProjectBaseName(std::string_view projectFile) {
  size_t slash = projectFile.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? projectFile : projectFile.substr(slash + 1);
  // Drop the last four characters (not bytes): the extension ".zrf".
  size_t end = name.size();
  for (int k = 0; k < 4 && end > 0; ++k) {
    --end;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
  }
  return std::string(name.substr(0, end));
}

std::string Title(std::string_view projectFile) {
  std::string text = projectFile.empty() ? std::string() : ProjectBaseName(projectFile);
  text += ' ';
  text += i18n::Tr(i18n::kReport, THX_TR_NOOP("Report", "计算报告"));
  return "              " + PadRight(text, 20);
}

}  // namespace tharvex::report
