// SPDX-License-Identifier: MIT
#include "textfile/AtomicWrite.h"

#include <system_error>

#include "textfile/RewriteInPlace.h"
#include "textfile/TempFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cinta {
namespace {

enum class Publish { Done, NameTaken, Failed };

#ifdef _WIN32

// MoveFileEx replaces the directory entry itself (a link is not followed) and refuses a folder;
// write-through returns only once the new name is on the disk.
bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Without MOVEFILE_REPLACE_EXISTING a move takes the name only if it is free, in one step, so two
// writers can never take the same name; unlike a hard link it works on FAT drives too.
Publish MoveToFreeName(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0) return Publish::Done;
  const DWORD error = ::GetLastError();
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Publish::NameTaken
                                                                     : Publish::Failed;
}

#else

// A rename replaces the directory entry itself (a link is not followed) and refuses a folder.
// It would also replace a file the user made read-only, so that is refused as opening it for
// writing would be; the new file keeps the permissions of the one it replaces.
bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  struct stat old {};
  if (::lstat(to.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    if (::faccessat(AT_FDCWD, to.c_str(), W_OK, AT_EACCESS) != 0) return false;
    if (::chmod(from.c_str(), old.st_mode & 0777) != 0) return false;
  }
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}

// A hard link gives the finished file a name only if the name is free, in one step, so two
// writers can never take the same name and a link planted there is never followed.
Publish MoveToFreeName(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::create_hard_link(from, to, error);
  if (error) return error == std::errc::file_exists ? Publish::NameTaken : Publish::Failed;
  std::filesystem::remove(from, error);
  return Publish::Done;
}

#endif

// "name", then "name (2)", "name (3)", ...
std::filesystem::path NumberedName(const std::filesystem::path& folder, const std::string& name,
                                   unsigned copy) {
  return folder / (copy == 1 ? name : name + " (" + std::to_string(copy) + ")");
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  const TempFile temp = WriteTempFile(target.parent_path(), bytes);
  // A folder that lets this user make no file (as one an administrator set up may) can still
  // hold a target they may write: rewriting it in place is then the only way to save.
  if (temp.result == CreateResult::Refused) return RewriteInPlace(target, bytes);
  if (temp.result != CreateResult::Written) return false;
  if (MoveOver(temp.path, target)) return true;
  std::error_code error;
  std::filesystem::remove(temp.path, error);
  return false;
}

std::optional<std::filesystem::path> WriteNewFileAtomically(const std::filesystem::path& folder,
                                                            const std::string& name,
                                                            std::string_view bytes) {
  const TempFile temp = WriteTempFile(folder, bytes);
  if (temp.result != CreateResult::Written) return std::nullopt;
  for (unsigned copy = 1;; ++copy) {
    std::filesystem::path candidate = NumberedName(folder, name, copy);
    const Publish result = MoveToFreeName(temp.path, candidate);
    if (result == Publish::Done) return candidate;
    if (result == Publish::Failed) break;
  }
  std::error_code ignored;
  std::filesystem::remove(temp.path, ignored);
#ifdef _WIN32
  return std::nullopt;
#else
  // File systems without hard links (FAT drives, some network shares) still take a new file:
  // it is written under its name at once, which still never takes a name in use, and is
  // removed again if the write fails part-way.
  for (unsigned copy = 1;; ++copy) {
    std::filesystem::path candidate = NumberedName(folder, name, copy);
    const CreateResult result = CreateAndWrite(candidate, bytes);
    if (result == CreateResult::Written) return candidate;
    if (result != CreateResult::NameTaken) return std::nullopt;
  }
#endif
}

}  // namespace cinta
