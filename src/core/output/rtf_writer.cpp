#include "core/output/rtf_writer.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/fields/i18n.h"
#include "core/files/file_error.h"
#include "core/files/safe_write.h"

namespace tharvex::report {

namespace {

// A UTF-8 -> GB18030 converter for the fallback bytes of \uN; GB18030 is a
// superset of GBK and GB2312, so Chinese text keeps its familiar two bytes.
class GbConverter {
 public:
  GbConverter() : cd_(iconv_open("GB18030", "UTF-8")) {}
  ~GbConverter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  GbConverter(const GbConverter&) = delete;
  GbConverter& operator=(const GbConverter&) = delete;

  // The bytes of one UTF-8 character; empty when it has none.
  std::string Convert(std::string_view utf8) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return {};
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in(utf8);
    char out[16];
    char* ip = in.data();
    size_t il = in.size();
    char* op = out;
    size_t ol = sizeof out;
    if (iconv(cd_, &ip, &il, &op, &ol) == static_cast<size_t>(-1)) return {};
    return std::string(out, static_cast<size_t>(op - out));
  }

 private:
  iconv_t cd_;
};

// Decodes one UTF-8 character at `i`; returns its code point and advances.
// Malformed bytes decode as U+FFFD one byte at a time.
char32_t NextCodePoint(std::string_view s, size_t& i) {
  auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = b(i);
  size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
  if (n == 0 || i + n > s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
  for (size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  i += n;
  return cp;
}

void AppendHexByte(std::string& out, unsigned char byte) {
  static const char* hex = "0123456789abcdef";
  out += "\\'";
  out += hex[byte >> 4];
  out += hex[byte & 0x0F];
}

// \uN takes a signed 16-bit number; characters beyond the BMP are written as
// a surrogate pair.
void AppendUnicode(std::string& out, char32_t cp, const std::string& fallback) {
  auto unit = [&](unsigned v, const std::string& fb) {
    int n = static_cast<int>(v);
    if (n > 32767) n -= 65536;
    out += "\\uc" + std::to_string(fb.empty() ? 1 : fb.size()) + "\\u" + std::to_string(n);
    if (fb.empty()) out += '?';
    for (unsigned char byte : fb) AppendHexByte(out, byte);
  };
  if (cp > 0xFFFF) {
    char32_t v = cp - 0x10000;
    unit(0xD800 + static_cast<unsigned>(v >> 10), {});
    unit(0xDC00 + static_cast<unsigned>(v & 0x3FF), fallback);
  } else {
    unit(static_cast<unsigned>(cp), fallback);
  }
}

bool IsIdeograph(char32_t cp) {
  return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0x20000 && cp <= 0x3FFFF);
}

bool IsAsciiAlnum(char32_t cp) {
  return (cp >= '0' && cp <= '9') || (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z');
}

// Signs the report font draws narrower than the two columns a non-ASCII
// character takes in the report, with their advance in thousandths of an em
// (regular, bold). Every other non-ASCII character of the font that a report
// can hold is a full em wide.
struct NarrowSign {
  char32_t cp;
  int regular;
  int bold;
};
constexpr NarrowSign kNarrowSigns[] = {
    {U'\u00B0', 370, 404},  // degree sign: "转角30°"
    {U'\u00B2', 411, 424},  // superscript two
    {U'\u00B5', 628, 664},  // micro sign
    {U'\u03BC', 628, 664},  // Greek mu
    {U'\u03C0', 654, 705},  // Greek pi
};

// The character spacing (\expndtw, twips) that widens a narrow sign to two
// columns, one em of the line's size; 0 for every other character.
int WideningTwips(char32_t cp, int points, bool bold) {
  for (const NarrowSign& n : kNarrowSigns)
    if (n.cp == cp) return ((1000 - (bold ? n.bold : n.regular)) * points * 20 + 500) / 1000;
  return 0;
}

void AppendText(std::string& out, std::string_view text, GbConverter& gb, int points, bool bold) {
  size_t i = 0;
  char32_t prev = 0;
  while (i < text.size()) {
    size_t start = i;
    char32_t cp = NextCodePoint(text, i);
    // Office suites put a little extra space between an ideograph and a Latin
    // letter or digit ("高度H", "转角30°"), which shifts the rest of the row;
    // LibreOffice ignores \aspalpha0. A word joiner between them is not an
    // adjacent pair any more and takes no width.
    if ((IsIdeograph(prev) && IsAsciiAlnum(cp)) || (IsAsciiAlnum(prev) && IsIdeograph(cp))) out += "\\uc0\\u8288 ";
    prev = cp;
    bool inRun = (start > 0 && text[start - 1] == ' ') || (i < text.size() && text[i] == ' ');
    if (cp == ' ' && inRun) {
      // Runs of blanks carry the column layout. Readers may squeeze or widen
      // runs of ordinary spaces; non-breaking spaces keep one column each.
      out += "\\~";
    } else if (cp == '\\' || cp == '{' || cp == '}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp == '\t') {
      out += "\\tab ";
    } else if (cp < 0x20) {
      // Control characters have no place in a report line.
    } else if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else {
      std::string fb = cp == 0xFFFD ? std::string() : gb.Convert(text.substr(start, i - start));
      const int widen = WideningTwips(cp, points, bold);
      if (widen > 0) out += "{\\expndtw" + std::to_string(widen) + ' ';
      AppendUnicode(out, cp, fb);
      if (widen > 0) out += '}';
    }
  }
}

}  // namespace

std::string WriteRtf(const std::vector<StyledLine>& lines) {
  GbConverter gb;
  std::string out;
  out += "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052";
  out += "{\\fonttbl{\\f0\\fmodern\\fcharset134\\fprq1 ";
  out += kReportFont;
  out += "{\\*\\falt SimSun};}}\n";
  // Red (the window's warning colour) only when a line needs it, so that a
  // report without warnings is written as it always was.
  const bool anyRed = std::any_of(lines.begin(), lines.end(), [](const StyledLine& l) { return l.red; });
  out += anyRed ? "{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\n"
                : "{\\colortbl ;\\red0\\green0\\blue0;}\n";
  // Portrait A4 with 2 cm margins.
  out += "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\n";
  // No automatic spacing between Chinese and Latin text: it would shift the
  // columns after a caption such as "高度H" (Word reads \aspalpha0; for
  // LibreOffice, which does not, see AppendText).
  out += "\\viewkind4\\uc1\\pard\\plain\\aspalpha0\\aspnum0\\f0\\af0\\fs20\n";
  for (size_t i = 0; i < lines.size(); ++i) {
    const StyledLine& l = lines[i];
    // Bold lines are the title, the headings and the blank lines before
    // them: each stays on the page of the line after it, so a heading is
    // never left alone at the foot of a page.
    if (i > 0 && lines[i - 1].bold) out += "\\pard\\aspalpha0\\aspnum0";  // drops the \keepn before
    if (l.bold) out += "\\keepn";
    // The same font for Latin and East Asian runs (\\dbch\\af0), so that a
    // Chinese character stays two ASCII widths.
    out += "{\\loch\\f0\\hich\\af0\\dbch\\af0\\cf" + std::string(l.red ? "2" : "1") + "\\langfe2052\\fs" +
           std::to_string(l.size * 2);
    out += l.bold ? "\\b " : "\\b0 ";
    AppendText(out, l.text, gb, l.size, l.bold);
    out += '}';
    if (i + 1 < lines.size()) out += "\\par";
    out += '\n';
  }
  out += "}\n";
  return out;
}

std::string ProposedReportName(std::string_view projectFile) {
  size_t slash = projectFile.find_last_of("/\\");
  size_t dot = projectFile.rfind('.');
  std::string_view stem = projectFile;
  if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash))
    stem = projectFile.substr(0, dot);
  return std::string(stem) + ".doc";
}

SaveResult SaveReportRtf(const std::string& path, const std::vector<StyledLine>& lines) {
  if (path.empty()) return {false, THX_TR_NOOP("Messages", "没有给出报表文件名")};
  try {
    SafeWriteFile(path, WriteRtf(lines));
  } catch (const FileError& e) {
    return {false, i18n::Format(i18n::Tr("Messages", "无法写入文件 %1：%2"), {path, e.reason()})};
  }
  return {};
}

}  // namespace tharvex::report
