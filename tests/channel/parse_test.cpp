#include <parse.h>

#include <gtest/gtest.h>

namespace {

using namespace channel;

struct FieldCase {
  const char* text;
  int n;
  const char* field;
};

TEST(ParseTest, GetFieldTable) {
  const FieldCase cases[] = {
      {"a:b:c", 2, "b"}, {"a:b:c", 4, ""}, {"abc", 1, "abc"}, {"abc", 2, ""},
      {"a:b:c", 0, ""},  {"a:b:c", -3, ""}, {"", 1, ""},      {"a::c", 2, ""},
      {":b", 1, ""},     {"a:b:c", 3, "c"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetField(c.text, c.n, ':'), c.field) << c.text << " " << c.n;
}

TEST(ParseTest, SkipLeadingTreatsRunsOfSeparatorsAsOne) {
  EXPECT_EQ(GetField("::a:::b", 1, ':', true), "a");
  EXPECT_EQ(GetField("::a:::b", 2, ':', true), "b");
  EXPECT_EQ(GetField("a  b", 2, ' ', true), "b");
}

TEST(ParseTest, RestFieldsAndCount) {
  EXPECT_EQ(GetFieldRest("a:b:c", 2), "b:c");
  EXPECT_EQ(GetFieldRest("a:b:c", 1), "a:b:c");
  EXPECT_EQ(GetFieldRest("a:b:c", 4), "");
  EXPECT_EQ(GetFieldRest("a:b:c", 0), "");
  EXPECT_EQ(GetFields("a:b", 4), "a:b::");
  EXPECT_EQ(GetFields("a:b:c", 2), "a:b");
  EXPECT_EQ(GetFields("a:b:c", 0), "a");
  const std::pair<const char*, int> counts[] = {{"a:b:", 2}, {"a::", 1}, {":b", 2}, {"", 0}, {":::", 0}, {"a", 1}};
  for (const auto& [text, count] : counts) EXPECT_EQ(CountFields(text), count) << text;
}

TEST(ParseTest, ReplaceFieldAlwaysWritesTheSeparatorAfterTheValue) {
  EXPECT_EQ(ReplaceField("a:b:c", 1, "X"), "X:b:c");
  EXPECT_EQ(ReplaceField("a:b:c", 3, "X"), "a:b:X:");
  EXPECT_EQ(ReplaceField("a:b", 2, "X"), "a:X:");
  EXPECT_EQ(ReplaceField("a", 3, "X"), "a::X:");
}

TEST(ParseTest, TypedReads) {
  EXPECT_EQ(GetFieldUpper("x:aBc-é", 2), "ABC-é");
  const std::pair<const char*, int> ints[] = {{"42", 42}, {"  -7", -7}, {"+5", 5}, {"", 0}, {"4x", 0},
                                              {"x", 0},   {"99999999999", 0}, {"1 ", 0}};
  for (const auto& [text, value] : ints) EXPECT_EQ(GetFieldInt(text, 1), value) << text;
  const std::pair<const char*, bool> bools[] = {{"1", true}, {"t", true}, {"True", true}, {"", false},
                                                {"0", false}, {"F", false}, {"YES", false}, {" 1", false}};
  for (const auto& [text, value] : bools) EXPECT_EQ(GetFieldBool(text, 1), value) << text;
  EXPECT_DOUBLE_EQ(GetFieldFloat("2,25", 1), 2.25);
  EXPECT_DOUBLE_EQ(GetFieldFloat("2.25", 1), 2.25);
  EXPECT_DOUBLE_EQ(GetFieldFloat("abc", 1), 0);
  EXPECT_DOUBLE_EQ(GetFieldFloat("1.2.3", 1), 0);
  EXPECT_DOUBLE_EQ(GetFieldFloat("", 1), 0);
}

}  // namespace
