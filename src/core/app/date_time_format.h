#pragma once
// The date and time formats of the program, used wherever a date or a time
// becomes text: dates "yyyy-MM-dd", times "hh:mm" and "hh:mm:ss" (24 hours).
#include <ctime>
#include <string>
#include <string_view>

namespace tharvex {

struct DateTimeFormats {
  char dateSeparator = '-';
  char timeSeparator = ':';
  std::string shortDate = "yyyy-MM-dd";
  std::string shortTime = "hh:mm";
  std::string longTime = "hh:mm:ss";
};

// Formats a broken-down local time with a pattern of yyyy, yy, MM, M, dd, d,
// hh, h, nn, mm (minutes right after an hour), ss; "/" and ":" stand for the
// separators, text in double quotes is copied.
std::string FormatDateTime(std::string_view pattern, const std::tm& t, const DateTimeFormats& f = {});

std::string ShortDate(const std::tm& t, const DateTimeFormats& f = {});
std::string ShortTime(const std::tm& t, const DateTimeFormats& f = {});
std::string LongTime(const std::tm& t, const DateTimeFormats& f = {});
// Short date, a blank, long time: "2026-12-09 05:52:47".
std::string DateAndTime(const std::tm& t, const DateTimeFormats& f = {});

// The current local time.
std::tm LocalNow();

}  // namespace tharvex
