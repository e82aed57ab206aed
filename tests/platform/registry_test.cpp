#include "test_folder.h"

#include <files.h>
#include <registry.h>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetRegistryFile(File()); }
  void TearDown() override { platform::SetRegistryFile(""); }
  std::string File() const { return folder_.Path() + "registry.reg"; }
  TestFolder folder_;
};

TEST_F(RegistryTest, WritesAReadableExportFileAndReadsItBackIgnoringCase) {
  ASSERT_TRUE(platform::RegistryWrite("Software\\Site\\Backgammon\\Options", "Board", "Gra\"nite\\x"));
  ASSERT_TRUE(platform::RegistryWrite("software\\SITE\\backgammon\\options", "Sound", "0"));
  EXPECT_EQ(platform::ReadWholeFile(File()).value(),
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Site\\Backgammon\\Options]\r\n"
            "\"Board\"=\"Gra\\\"nite\\\\x\"\r\n"
            "\"Sound\"=\"0\"\r\n");
  EXPECT_EQ(platform::RegistryRead("SOFTWARE\\site\\Backgammon\\Options", "board").value(), "Gra\"nite\\x");
  EXPECT_FALSE(platform::RegistryRead("Software\\Site\\Backgammon\\Options", "Missing"));
  EXPECT_FALSE(platform::RegistryRead("Software\\Other", "Board"));
  EXPECT_FALSE(platform::RegistryKeyExists("Software\\Other"));
}

TEST_F(RegistryTest, ImportsAnExportedFileAndKeepsWhatItDoesNotUnderstand) {
  std::string exported = "Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_LOCAL_MACHINE\\Software\\X]\r\n\"A\"=\"1\"\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Site\\Chess\\Options]\r\n"
                         "\"Delay\"=\"500\"\r\n\"Count\"=dword:00000010\r\n";
  // Export files come as UTF-16 with a byte-order mark.
  std::string utf16 = "\xFF\xFE";
  for (char c : exported) utf16 += std::string{c, '\0'};
  ASSERT_TRUE(platform::WriteWholeFile(File(), utf16));
  EXPECT_EQ(platform::RegistryRead("Software\\Site\\Chess\\Options", "delay").value(), "500");
  EXPECT_FALSE(platform::RegistryRead("Software\\Site\\Chess\\Options", "Count"));  // not a string
  ASSERT_TRUE(platform::RegistryWrite("Software\\Site\\Chess\\Options", "Board", "Green"));
  std::string saved = platform::ReadWholeFile(File()).value();
  EXPECT_NE(saved.find("\"Count\"=dword:00000010"), std::string::npos);
}

TEST_F(RegistryTest, ACorruptStoreReadsAsEmptyAndIsKeptAside) {
  ASSERT_TRUE(platform::WriteWholeFile(File(), "garbage that is no registry file\n\"x\"=\"1\"\n"));
  EXPECT_FALSE(platform::RegistryRead("Software\\Site", "x"));
  EXPECT_EQ(platform::ReadWholeFile(File() + ".bad").value(),
            "garbage that is no registry file\n\"x\"=\"1\"\n");
  ASSERT_TRUE(platform::RegistryWrite("Software\\Site", "x", "2"));
  EXPECT_EQ(platform::RegistryRead("Software\\Site", "x").value(), "2");
}

TEST_F(RegistryTest, AnEditMadeWhileRunningIsSeenAndNotOverwritten) {
  ASSERT_TRUE(platform::RegistryWrite("Software\\Site", "a", "1"));
  ASSERT_TRUE(platform::WriteWholeFile(File(), "Windows Registry Editor Version 5.00\r\n\r\n"
                                               "[HKEY_CURRENT_USER\\Software\\Site]\r\n\"a\"=\"1\"\r\n\"b\"=\"7\"\r\n"));
  ASSERT_TRUE(platform::RegistryWrite("Software\\Site", "c", "3"));
  EXPECT_EQ(platform::RegistryRead("Software\\Site", "b").value(), "7");
}

TEST_F(RegistryTest, KillingTheProcessWhileSavingLeavesTheOldOrTheNewStore) {
  ASSERT_TRUE(platform::RegistryWrite("Software\\Site", "value", "old"));
  const std::string oldStore = platform::ReadWholeFile(File()).value();
  for (int round = 0; round < 20; ++round) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // The child saves over and over, with a value big enough to take a while to write.
      std::string big(200'000, static_cast<char>('a' + round % 26));
      for (;;) platform::RegistryWrite("Software\\Site", "value", big);
    }
    ::usleep(static_cast<useconds_t>(1000 + round * 700));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    std::string store = platform::ReadWholeFile(File()).value();
    bool isOld = store == oldStore;
    bool isNew = store.size() > 200'000 && store.find(std::string(200'000, static_cast<char>('a' + round % 26))) != std::string::npos;
    ASSERT_TRUE(isOld || isNew) << "round " << round << " left a broken store of " << store.size() << " bytes";
    ASSERT_TRUE(platform::RegistryRead("Software\\Site", "value").has_value());
    ASSERT_TRUE(platform::WriteWholeFile(File(), oldStore));
  }
}

}  // namespace
