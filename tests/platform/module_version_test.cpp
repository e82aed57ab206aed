#include <module_version.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string Bin(const char* name) { return std::string(std::getenv("GAMEPLUGINS_BIN")) + "/" + name; }

TEST(ModuleVersionTest, ReadsTheStampedVersion) {
  auto version = platform::ReadModuleVersion(Bin("libversion_probe.so"));
  ASSERT_TRUE(version);
  EXPECT_EQ(*version, (platform::ModuleVersion{3, 1, 0, 167}));
}

TEST(ModuleVersionTest, MissingBlockOrFileGivesNothing) {
  EXPECT_FALSE(platform::ReadModuleVersion(Bin("libno_version_probe.so")));
  EXPECT_FALSE(platform::ReadModuleVersion(Bin("does-not-exist.so")));
  EXPECT_FALSE(platform::ReadModuleVersion("/etc/hostname"));
}

}  // namespace
