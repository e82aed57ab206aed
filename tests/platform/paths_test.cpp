#include "test_folder.h"

#include <files.h>
#include <paths.h>

#include <gtest/gtest.h>

namespace {

TEST(NativePathTest, ResolvesExistingComponentsWithoutRegardToCase) {
  TestFolder folder;
  ASSERT_TRUE(platform::WriteWholeFile(folder.Path() + "backgammon/BoardGreen.jpg", "x"));
  std::string root = folder.Path();
  EXPECT_EQ(platform::NativePath(root + "Backgammon\\boardGreen.jpg"), root + "backgammon/BoardGreen.jpg");
  EXPECT_TRUE(platform::FileExists(root + "BACKGAMMON\\BOARDGREEN.JPG"));
  // A new file keeps the name it was given; the folder above it is still found.
  EXPECT_EQ(platform::NativePath(root + "Backgammon\\New\\Thing.txt"), root + "backgammon/New/Thing.txt");
}

TEST(NativePathTest, FoldsSeparatorsAndKeepsRelativePaths) {
  EXPECT_EQ(platform::NativePath("/tmp//\\x\\y"), "/tmp/x/y");
  EXPECT_EQ(platform::NativePath("no-such-dir\\file"), "no-such-dir/file");
  EXPECT_EQ(platform::NativePath(""), "");
  EXPECT_EQ(platform::NativePath("/tmp\\"), "/tmp/");
}

}  // namespace
