// Today's date and the user's way of writing it. (Not "locale.h": that name would hide the C
// library's header from everything that includes this folder.)
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// ---- Dates ----

// CalendarDate is a day of the local calendar.
struct CalendarDate {
  int year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  bool operator==(const CalendarDate&) const = default;
};

// Today in local time, or the fixed date.
CalendarDate Today();
// Fixes the date that Today gives (hosts and tests); nothing goes back to the real date.
void FixToday(std::optional<CalendarDate> date);

// ---- The user's short date format ----

// The short date format as a pattern: "d" or "dd" for the day, "M" or "MM" for the month,
// "yy" or "yyyy" for the year; every other character stands for itself ("dd/MM/yyyy").
// It comes from the user's locale settings (LC_ALL, LC_TIME, LANG), or from the fixed one.
std::string ShortDateFormat();
// Fixes the short date format (hosts and tests); nothing goes back to the locale's.
void FixShortDateFormat(std::optional<std::string> pattern);

// The date written in a pattern of the form above.
std::string FormatDate(std::string_view pattern, const CalendarDate& date);
// Today in the user's short date format.
std::string ShortDateText();
// Today as "yyyy.mm.dd", the date form of game records.
std::string DottedDateText();

// The short date pattern that a C date format ("%d/%m/%Y", as the locale gives it) stands
// for; conversions other than day, month and year are dropped.
std::string PatternFromCFormat(std::string_view format);

}  // namespace platform
