# SPDX-License-Identifier: MIT
# Cross build for 64-bit Windows with Debian's mingw-w64 (the posix thread model, which
# std::thread and GoogleTest need). Test programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's wine64 package has no wine on the PATH; its loader lives in /usr/lib/wine.
find_program(CINTA_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(CINTA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CINTA_WINE})
endif()
