#include "core/app/date_time_format.h"

#include <cctype>
#include <chrono>

namespace tharvex {

namespace {

void Number(std::string& out, int v, size_t width) {
  std::string s = std::to_string(v);
  if (s.size() < width) out.append(width - s.size(), '0');
  out += s;
}

size_t RunLength(std::string_view p, size_t i) {
  size_t n = 1;
  char c = static_cast<char>(std::tolower(static_cast<unsigned char>(p[i])));
  while (i + n < p.size() && std::tolower(static_cast<unsigned char>(p[i + n])) == c) ++n;
  return n;
}

}  // namespace

std::string FormatDateTime(std::string_view p, const std::tm& t, const DateTimeFormats& f) {
  std::string out;
  bool afterHour = false;  // "mm" right after "hh" means minutes
  for (size_t i = 0; i < p.size();) {
    char c = p[i];
    char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t n = RunLength(p, i);
    if (c == '"') {
      size_t end = p.find('"', i + 1);
      if (end == std::string_view::npos) end = p.size();
      out.append(p.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    switch (lc) {
      case 'y':
        if (n >= 3)
          Number(out, t.tm_year + 1900, 4);
        else
          Number(out, (t.tm_year + 1900) % 100, 2);
        break;
      case 'm':
        if (afterHour)
          Number(out, t.tm_min, n >= 2 ? 2 : 1);
        else
          Number(out, t.tm_mon + 1, n >= 2 ? 2 : 1);
        break;
      case 'd':
        Number(out, t.tm_mday, n >= 2 ? 2 : 1);
        break;
      case 'h':
        Number(out, t.tm_hour, n >= 2 ? 2 : 1);
        break;
      case 'n':
        Number(out, t.tm_min, n >= 2 ? 2 : 1);
        break;
      case 's':
        Number(out, t.tm_sec, n >= 2 ? 2 : 1);
        break;
      case '/':
        out.append(n, f.dateSeparator);
        break;
      case ':':
        out.append(n, f.timeSeparator);
        break;
      default:
        out.append(p.substr(i, n));
        break;
    }
    if (lc == 'h')
      afterHour = true;
    else if (lc != ':' && lc != ' ')
      afterHour = false;
    i += n;
  }
  return out;
}

std::string ShortDate(const std::tm& t, const DateTimeFormats& f) { return FormatDateTime(f.shortDate, t, f); }
std::string ShortTime(const std::tm& t, const DateTimeFormats& f) { return FormatDateTime(f.shortTime, t, f); }
std::string LongTime(const std::tm& t, const DateTimeFormats& f) { return FormatDateTime(f.longTime, t, f); }
std::string DateAndTime(const std::tm& t, const DateTimeFormats& f) { return ShortDate(t, f) + " " + LongTime(t, f); }

std::tm LocalNow() {
  std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}

}  // namespace tharvex
