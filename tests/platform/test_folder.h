// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

#include <stdlib.h>

class TestFolder {
 public:
  TestFolder() {
    char pattern[] = "/tmp/gameplugins-test-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // The folder, ending with "/".
  std::string Path() const { return path_ + "/"; }

 private:
  std::string path_;
};
