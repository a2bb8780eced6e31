# SPDX-License-Identifier: MIT
# The configuration of the Qt for Windows that scripts/build-qt-windows cross-builds (an initial
# cache, cmake -C). Its hash names the cache folder, so a change here builds a new Qt.
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
# Qt's libraries share one compiler runtime, its DLLs beside them, not a static copy each.
set(CMAKE_EXE_LINKER_FLAGS "" CACHE STRING "")
set(QT_QMAKE_TARGET_MKSPEC win32-g++ CACHE STRING "")
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
set(BUILD_SHARED_LIBS ON CACHE BOOL "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_BUILD_BENCHMARKS OFF CACHE BOOL "")
# Without OpenGL the windows platform plugin must not look for a software OpenGL either.
foreach(feature sql network dbus opengl dynamicgl vulkan concurrent xml)
  set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()
# The third-party libraries Qt bundles: the cross compiler has none of them.
foreach(library zlib pcre2 harfbuzz freetype libpng libjpeg doubleconversion md4c)
  set(FEATURE_system_${library} OFF CACHE BOOL "")
endforeach()
# Printing needs the DirectWrite font engine, which QtGui compiles only with Direct2D; the 1.1
# variant needs headers mingw-w64 lacks.
set(FEATURE_direct2d ON CACHE BOOL "")
set(FEATURE_direct2d1_1 OFF CACHE BOOL "")
# The source package leaves out the tablet header the windows platform plugin includes.
set(FEATURE_tabletevent OFF CACHE BOOL "")
