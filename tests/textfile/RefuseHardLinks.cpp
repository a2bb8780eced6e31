// SPDX-License-Identifier: MIT
// Preloaded into a test to stand for a file system without hard links, as FAT drives are: every
// attempt to make one is refused the way such a drive refuses it.
#include <cerrno>

extern "C" int link(const char*, const char*) {
  errno = EPERM;
  return -1;
}

extern "C" int linkat(int, const char*, int, const char*, int) {
  errno = EPERM;
  return -1;
}
