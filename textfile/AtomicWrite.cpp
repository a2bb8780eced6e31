// SPDX-License-Identifier: MIT
#include "textfile/AtomicWrite.h"

#include <system_error>

#include "textfile/TempFile.h"

namespace cinta {

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  const std::optional<std::filesystem::path> temp = WriteTempFile(target.parent_path(), bytes);
  if (!temp) return false;
  std::error_code error;
  // A rename replaces the directory entry itself (a link is not followed) and refuses a folder.
  std::filesystem::rename(*temp, target, error);
  if (!error) return true;
  std::filesystem::remove(*temp, error);
  return false;
}

std::optional<std::filesystem::path> WriteNewFileAtomically(const std::filesystem::path& folder,
                                                            const std::string& name,
                                                            std::string_view bytes) {
  const std::optional<std::filesystem::path> temp = WriteTempFile(folder, bytes);
  if (!temp) return std::nullopt;
  std::optional<std::filesystem::path> written;
  for (unsigned copy = 1;; ++copy) {
    std::filesystem::path candidate =
        folder / (copy == 1 ? name : name + " (" + std::to_string(copy) + ")");
    std::error_code error;
    // A hard link gives the finished file a name only if the name is free, in one step, so two
    // writers can never take the same name and a link planted there is never followed.
    std::filesystem::create_hard_link(*temp, candidate, error);
    if (!error) {
      written = std::move(candidate);
      break;
    }
    if (error != std::errc::file_exists) break;
  }
  std::error_code ignored;
  std::filesystem::remove(*temp, ignored);
  return written;
}

}  // namespace cinta
