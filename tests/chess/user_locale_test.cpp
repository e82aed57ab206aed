// Today's date in the user's short format and in the dotted form of game records.
#include <user_locale.h>

#include <gtest/gtest.h>

namespace {

TEST(UserLocaleTest, CDateFormatsBecomeShortDatePatterns) {
  struct Case {
    const char* format;
    const char* pattern;
  } cases[] = {
      {"%m/%d/%y", "MM/dd/yy"}, {"%d/%m/%Y", "dd/MM/yyyy"}, {"%d.%m.%Y", "dd.MM.yyyy"},
      {"%Y-%m-%d", "yyyy-MM-dd"}, {"%F", "yyyy-MM-dd"},     {"%D", "MM/dd/yy"},
      {"%e/%m/%Y", "d/MM/yyyy"}, {"%a %d", " dd"},           {"%", "%"},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::PatternFromCFormat(c.format), c.pattern) << c.format;
}

TEST(UserLocaleTest, PatternsWriteTheDate) {
  const platform::CalendarDate date{2024, 3, 5};
  struct Case {
    const char* pattern;
    const char* text;
  } cases[] = {
      {"dd/MM/yyyy", "05/03/2024"}, {"d/M/yy", "5/3/24"}, {"yyyy.MM.dd", "2024.03.05"},
      {"MM-dd-yy", "03-05-24"},     {"", ""},             {"x d", "x 5"},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::FormatDate(c.pattern, date), c.text) << c.pattern;
}

TEST(UserLocaleTest, AFixedDateAndFormatAreWhatTheGameSees) {
  platform::FixToday(platform::CalendarDate{1999, 12, 31});
  platform::FixShortDateFormat("d.M.yyyy");
  EXPECT_EQ(platform::ShortDateText(), "31.12.1999");
  EXPECT_EQ(platform::DottedDateText(), "1999.12.31");
  platform::FixToday(std::nullopt);
  platform::FixShortDateFormat(std::nullopt);
  const platform::CalendarDate today = platform::Today();
  EXPECT_GE(today.year, 2024);
  EXPECT_FALSE(platform::ShortDateFormat().empty());
}

}  // namespace
