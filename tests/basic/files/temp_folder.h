// Each test's own folder: made empty under the system's temporary folder,
// the process's current folder while the test runs (relative names start
// there), and removed with all it holds afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "basic/executor/run_errors.h"

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    before_ = std::filesystem::current_path();
    std::random_device random;
    do {
      folder_ = std::filesystem::temp_directory_path() / ("basic_files_" + std::to_string(random()));
    } while (!std::filesystem::create_directory(folder_));
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(before_);
    std::filesystem::remove_all(folder_);
  }

  static std::string ReadWhole(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static void WriteWhole(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  static bool Exists(const std::string& name) { return std::filesystem::exists(name); }
  // Empties the folder, for a table whose every row starts afresh.
  void Empty() {
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) std::filesystem::remove_all(entry);
  }

  std::filesystem::path folder_;

 private:
  std::filesystem::path before_;
};

// How a RunError prints in a failed assertion: its number and name.
inline std::ostream& operator<<(std::ostream& out, RunError error) {
  if (error == RunError::None) return out << "no error";
  return out << static_cast<int>(error) << " (" << RunErrorName(static_cast<int32_t>(error)) << ")";
}
