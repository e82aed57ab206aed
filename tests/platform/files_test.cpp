#include "test_folder.h"

#include <files.h>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

namespace {

TEST(FilesTest, WriteReadAppendCopyDelete) {
  TestFolder folder;
  std::string file = folder.Path() + "Data\\log.txt";
  EXPECT_FALSE(platform::ReadWholeFile(file));
  ASSERT_TRUE(platform::AppendToFile(file, "one\r\n"));
  ASSERT_TRUE(platform::AppendToFile(file, "two\r\n"));
  EXPECT_EQ(platform::ReadWholeFile(file).value(), "one\r\ntwo\r\n");
  ASSERT_TRUE(platform::CopyFileOver(file, folder.Path() + "copy.txt"));
  ASSERT_TRUE(platform::WriteWholeFile(file, "new"));
  EXPECT_EQ(platform::ReadWholeFile(folder.Path() + "copy.txt").value(), "one\r\ntwo\r\n");
  EXPECT_EQ(platform::ReadWholeFile(file).value(), "new");
  EXPECT_TRUE(platform::DeleteFileAt(file));
  EXPECT_FALSE(platform::FileExists(file));
  EXPECT_TRUE(platform::DeleteFileAt(file));  // already gone counts as deleted
  EXPECT_FALSE(platform::CopyFileOver(folder.Path() + "missing", folder.Path() + "x"));
  EXPECT_FALSE(platform::FileExists(folder.Path() + "x"));
}

TEST(FilesTest, AFullDiskLeavesTheOldContentAndNoTemporaryFile) {
  TestFolder folder;
  std::string file = folder.Path() + "store.txt";
  ASSERT_TRUE(platform::WriteWholeFile(file, "old"));
  // A file size limit makes the write fail part-way, as a full disk would.
  struct rlimit saved;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit tight = saved;
  tight.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  bool wrote = platform::WriteWholeFile(file, std::string(4096, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(wrote);
  EXPECT_EQ(platform::ReadWholeFile(file).value(), "old");
  int entries = 0;
  for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

}  // namespace
