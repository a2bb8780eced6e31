// SPDX-License-Identifier: MIT
#include "textfile/AtomicWrite.h"

#include <optional>
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

struct Published {
  Publish result;
  WriteError error = WriteError::Other;  // why, when Failed
};

#ifdef _WIN32

// MoveFileEx replaces the directory entry itself (a link is not followed) and refuses a folder;
// write-through returns only once the new name is on the disk.
WriteResult MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
      0) {
    return {};
  }
  return LastWriteError();
}

// A read-only target would refuse the move, but only once the whole new file is written: a
// journal retrying at every key must not pay that each time.
std::optional<WriteError> RefusedBeforeWriting(const std::filesystem::path& target) {
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return WriteError::NoPermission;
  }
  return std::nullopt;
}

// Without MOVEFILE_REPLACE_EXISTING a move takes the name only if it is free, in one step, so two
// writers can never take the same name; unlike a hard link it works on FAT drives too.
Published MoveToFreeName(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0) return {Publish::Done};
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return {Publish::NameTaken};
  return {Publish::Failed, LastWriteError()};
}

#else

// A rename would also replace a file the user made read-only, so that is refused as opening it
// for writing would be, before a byte is written: a journal retrying at every key must not pay
// for writing a whole tape each time only to be refused.
std::optional<WriteError> RefusedBeforeWriting(const std::filesystem::path& target) {
  struct stat old {};
  if (::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
      ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return LastWriteError();
  }
  return std::nullopt;
}

// A rename replaces the directory entry itself (a link is not followed) and refuses a folder;
// the new file keeps the permissions of the one it replaces.
WriteResult MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  struct stat old {};
  if (::lstat(to.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
      ::chmod(from.c_str(), old.st_mode & 0777) != 0) {
    return LastWriteError();
  }
  std::error_code error;
  std::filesystem::rename(from, to, error);
  if (error) return WriteErrorOf(error);
  return {};
}

// A hard link gives the finished file a name only if the name is free, in one step, so two
// writers can never take the same name and a link planted there is never followed.
Published MoveToFreeName(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::create_hard_link(from, to, error);
  if (error == std::errc::file_exists) return {Publish::NameTaken};
  if (error) return {Publish::Failed, WriteErrorOf(error)};
  std::filesystem::remove(from, error);
  return {Publish::Done};
}

#endif

// "name", then "name (2)", "name (3)", ...
std::filesystem::path NumberedName(const std::filesystem::path& folder, const std::string& name,
                                   unsigned copy) {
  return folder / (copy == 1 ? name : name + " (" + std::to_string(copy) + ")");
}

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  if (const std::optional<WriteError> refused = RefusedBeforeWriting(target)) return *refused;
  const TempFile temp = WriteTempFile(target.parent_path(), bytes);
  // A folder that lets this user make no file (as one an administrator set up may) can still
  // hold a target they may write: rewriting it in place is then the only way to save. Should
  // that fail too, short of a full disk, it is the folder's refusal that stopped the save.
  if (temp.result == CreateResult::Refused) {
    const WriteResult rewritten = RewriteInPlace(target, bytes);
    if (rewritten || rewritten.Error() == WriteError::DiskFull) return rewritten;
    return WriteError::NoPermission;
  }
  if (temp.result != CreateResult::Written) return temp.error;
  const WriteResult moved = MoveOver(temp.path, target);
  if (!moved) {
    std::error_code error;
    std::filesystem::remove(temp.path, error);
  }
  return moved;
}

WriteResult ProbeFileWrite(const std::filesystem::path& target, std::size_t size) {
  if (const std::optional<WriteError> refused = RefusedBeforeWriting(target)) return *refused;
  const TempFile temp = WriteTempFile(target.parent_path(), std::string(size, '\0'), Flush::No);
  std::error_code error;
  if (temp.result == CreateResult::Refused) {
    // The target would be rewritten in place, which only the write itself can try.
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(target, error))) return {};
    return WriteError::NoPermission;
  }
  if (temp.result != CreateResult::Written) return temp.error;
  std::filesystem::remove(temp.path, error);
  return {};
}

NewFile WriteNewFileAtomically(const std::filesystem::path& folder, const std::string& name,
                               std::string_view bytes) {
  const TempFile temp = WriteTempFile(folder, bytes);
  if (temp.result != CreateResult::Written) return {temp.error, {}};
  Published published{Publish::Failed};
  for (unsigned copy = 1;; ++copy) {
    std::filesystem::path candidate = NumberedName(folder, name, copy);
    published = MoveToFreeName(temp.path, candidate);
    if (published.result == Publish::Done) return {{}, std::move(candidate)};
    if (published.result == Publish::Failed) break;
  }
  std::error_code ignored;
  std::filesystem::remove(temp.path, ignored);
#ifdef _WIN32
  return {published.error, {}};
#else
  // File systems without hard links (FAT drives, some network shares) still take a new file:
  // it is written under its name at once, which still never takes a name in use, and is
  // removed again if the write fails part-way.
  for (unsigned copy = 1;; ++copy) {
    std::filesystem::path candidate = NumberedName(folder, name, copy);
    const Creation created = CreateAndWrite(candidate, bytes);
    if (created.result == CreateResult::Written) return {{}, std::move(candidate)};
    if (created.result != CreateResult::NameTaken) return {created.error, {}};
  }
#endif
}

}  // namespace cinta
