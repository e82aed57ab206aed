#include "user_locale.h"

#include <langinfo.h>
#include <locale.h>
#include <time.h>

#include <cstdio>

namespace platform {
namespace {

struct LocaleState {
  std::optional<CalendarDate> fixedDate;
  std::optional<std::string> fixedPattern;
};

LocaleState& State() {
  static LocaleState state;
  return state;
}

// The locale's date format, read without touching the process-wide locale.
std::string LocaleDateFormat() {
  locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) user = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return "%m/%d/%y";
  std::string format = nl_langinfo_l(D_FMT, user);
  freelocale(user);
  return format;
}

std::string Padded(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

}  // namespace

CalendarDate Today() {
  if (State().fixedDate) return *State().fixedDate;
  time_t now = time(nullptr);
  struct tm local {};
  if (!localtime_r(&now, &local)) return {};
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void FixToday(std::optional<CalendarDate> date) { State().fixedDate = date; }

std::string ShortDateFormat() {
  if (State().fixedPattern) return *State().fixedPattern;
  return PatternFromCFormat(LocaleDateFormat());
}

void FixShortDateFormat(std::optional<std::string> pattern) { State().fixedPattern = std::move(pattern); }

std::string FormatDate(std::string_view pattern, const CalendarDate& date) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    if (c == 'd') {
      text += Padded(date.day, run >= 2 ? 2 : 1);
    } else if (c == 'M') {
      text += Padded(date.month, run >= 2 ? 2 : 1);
    } else if (c == 'y') {
      text += run >= 3 ? Padded(date.year, 4) : Padded(date.year % 100, 2);
    } else {
      text.append(run, c);
    }
    i += run;
  }
  return text;
}

std::string ShortDateText() { return FormatDate(ShortDateFormat(), Today()); }

std::string DottedDateText() { return FormatDate("yyyy.MM.dd", Today()); }

std::string PatternFromCFormat(std::string_view format) {
  std::string pattern;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      pattern += format[i];
      continue;
    }
    switch (format[++i]) {
      case 'd': pattern += "dd"; break;
      case 'e': pattern += "d"; break;
      case 'm': pattern += "MM"; break;
      case 'y': pattern += "yy"; break;
      case 'Y': pattern += "yyyy"; break;
      case 'D': pattern += "MM/dd/yy"; break;
      case 'F': pattern += "yyyy-MM-dd"; break;
      case '%': pattern += '%'; break;
      default: break;
    }
  }
  return pattern;
}

}  // namespace platform
