#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace krellix::test {

// Sends every Trash of a test program to a folder of its own ($XDG_DATA_HOME/Trash), never the
// user's. GLib reads the variable once, at its first use, so this is registered as a global
// test environment: its SetUp runs before any test.
class TempTrashHome final : public ::testing::Environment {
 public:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "krellix-data-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) GTEST_FAIL() << "mkdtemp failed";
    dir_ = pattern;
    ::setenv("XDG_DATA_HOME", dir_.c_str(), 1);
    ::setenv("GIO_USE_VFS", "local", 1);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  // The Trash folder, with a trailing "/".
  static std::string TrashDir() { return std::string(::getenv("XDG_DATA_HOME")) + "/Trash/"; }

 private:
  std::string dir_;
};

}  // namespace krellix::test
