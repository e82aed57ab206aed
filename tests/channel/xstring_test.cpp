#include <xstring.h>

#include <gtest/gtest.h>

namespace {

using namespace channel;

TEST(XStringTest, TrimsOnlySpaces) {
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimLeftSpaces("  a "), "a ");
  EXPECT_EQ(TrimRightSpaces(" a  "), " a");
  EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
}

TEST(XStringTest, PadsAndCutsToWidth) {
  EXPECT_EQ(PadLeft("12345", 3), "123");
  EXPECT_EQ(PadLeft("12", 4), "  12");
  EXPECT_EQ(PadRight("12", 4), "12  ");
  EXPECT_EQ(PadRight("12345", 3), "123");
  EXPECT_EQ(PadRight("abc", 0), "");
  EXPECT_EQ(PadRight("", 300).size(), 255u);
}

}  // namespace
