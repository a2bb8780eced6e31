// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

namespace cinta {

// A new empty folder for one test, removed with everything in it when the test ends.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    do {
      folder_ = std::filesystem::temp_directory_path() / ("cinta-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(folder_));
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  const std::filesystem::path& Path() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Creates a symbolic link, or returns false where the standard library cannot make one at all
// (mingw-w64's has none), so that link cases are skipped there rather than failed.
inline bool CreateSymlinkIfSupported(const std::filesystem::path& target,
                                     const std::filesystem::path& link) {
  std::error_code error;
  std::filesystem::create_symlink(target, link, error);
  if (error == std::errc::function_not_supported) return false;
  if (error) throw std::filesystem::filesystem_error("cannot create symlink", target, link, error);
  return true;
}

// The names in a folder, to see that nothing was left behind.
inline std::set<std::string> EntryNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace cinta
