# SPDX-License-Identifier: MIT
# cinta_qt_test_environment(TESTS <tests...> [ENVIRONMENT <NAME=value...>]) runs Qt test programs
# on Qt's offscreen platform, with the given variables besides.
# Wine passes no variable whose name starts with QT_ into a Windows program, but passes WINEQT_x
# on as QT_x; and QtTest logs through the debugger channel when there is no console, so under
# Wine its log is asked for on standard error. The offscreen platform of Windows reads fonts only
# from QT_QPA_FONTDIR: it gets Debian's Liberation fonts, the metric twins of the faces we use.
# Code that PCRE2 compiles at run time crashes under Wine 8 (Qt uses it behind the scenes, on
# the windows' worker threads), so Qt is asked to interpret its regular expressions there.
# Wine starts its desktop process for each program, and that process waits ten seconds for an
# RPC service it fails to start, once as the program starts and again as it ends; the offscreen
# platform needs no desktop, so the test programs run without that process.
function(cinta_qt_test_environment)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "TESTS;ENVIRONMENT")
  set(environment QT_QPA_PLATFORM=offscreen ${arg_ENVIRONMENT})
  if(WIN32 AND CMAKE_CROSSCOMPILING)
    list(APPEND environment QT_FORCE_STDERR_LOGGING=1 QT_ENABLE_REGEXP_JIT=0
         QT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/liberation)
    list(TRANSFORM environment PREPEND WINE REGEX "^QT_")
    list(APPEND environment WINEDLLOVERRIDES=explorer.exe=d)
  endif()
  set_tests_properties(${arg_TESTS} PROPERTIES ENVIRONMENT "${environment}")
endfunction()
