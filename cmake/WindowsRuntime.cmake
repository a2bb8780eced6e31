# SPDX-License-Identifier: MIT
# The Qt DLLs, plugins and compiler runtime that Windows programs need beside them: in the build's
# program folder (target windows_runtime, so that the tests run as a user's copy would) and in
# the installed folder that CPack zips.
# The cross binutils' objdump reads the imports of Windows programs.
find_program(CINTA_OBJDUMP NAMES x86_64-w64-mingw32-objdump REQUIRED)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
  OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
  OUTPUT_VARIABLE winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(libstdcxx_dir ${libstdcxx} DIRECTORY)
get_filename_component(winpthread_dir ${winpthread} DIRECTORY)
set(qt_dir ${QT6_INSTALL_PREFIX})
set(search_dirs "${qt_dir}/${QT6_INSTALL_BINS}|${libstdcxx_dir}|${winpthread_dir}")
# The platform, the JPEG decoder of the background and the native look of the text boxes and
# lists; printing and everything else come through imports.
set(plugins "platforms/qwindows.dll|imageformats/qjpeg.dll|styles/qwindowsvistastyle.dll")
set(copy_runtime ${CMAKE_COMMAND} -DPLUGIN_DIR=${qt_dir}/${QT6_INSTALL_PLUGINS}
  -DSEARCH_DIRS=${search_dirs} -DOBJDUMP=${CINTA_OBJDUMP})

# The test programs besides run on the offscreen platform and read the committed GIF and ICO
# pictures that the program itself only embeds decoded.
set(test_plugins "platforms/qoffscreen.dll|imageformats/qgif.dll|imageformats/qico.dll")
add_custom_target(windows_runtime
  COMMAND ${copy_runtime} -DDESTINATION=${CMAKE_RUNTIME_OUTPUT_DIRECTORY} -DPROGRAMS=*.exe
          -DPLUGINS=${plugins}|${test_plugins}
          -P ${CMAKE_CURRENT_LIST_DIR}/CopyWindowsRuntime.cmake
  COMMENT "Copying the DLLs and plugins the programs need beside them"
  VERBATIM)

string(JOIN "\" \"" copy_runtime_args ${copy_runtime})
install(CODE "execute_process(COMMAND \"${copy_runtime_args}\"
  \"-DDESTINATION=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\" -DPROGRAMS=cinta.exe
  \"-DPLUGINS=${plugins}\"
  -P \"${CMAKE_CURRENT_LIST_DIR}/CopyWindowsRuntime.cmake\" COMMAND_ERROR_IS_FATAL ANY)")
