// Each test's own folder: made empty under the system's temporary folder,
// the process's current folder while the test runs (relative names start
// there), and removed with all it holds afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

#include "basic/executor/run_errors.h"

// The folder itself, for as long as the object lives.
class TempFolder {
 public:
  TempFolder() : before_(std::filesystem::current_path()) {
    std::random_device random;
    do {
      folder_ = std::filesystem::temp_directory_path() / ("basic_files_" + std::to_string(random()));
    } while (!std::filesystem::create_directory(folder_));
    std::filesystem::current_path(folder_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::current_path(before_, ignored);
    std::filesystem::remove_all(folder_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return folder_; }

 private:
  std::filesystem::path before_;
  std::filesystem::path folder_;
};

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    temp_.emplace();
    folder_ = temp_->path();
  }
  void TearDown() override { temp_.reset(); }

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
  std::optional<TempFolder> temp_;
};

// How a RunError prints in a failed assertion: its number and name.
inline std::ostream& operator<<(std::ostream& out, RunError error) {
  if (error == RunError::None) return out << "no error";
  return out << static_cast<int>(error) << " (" << RunErrorName(static_cast<int32_t>(error)) << ")";
}
