# SPDX-License-Identifier: MIT
# Puts beside Windows programs what they need to start: the Qt plugins they load at run time
# (which no import names) and every DLL that the programs and those plugins import, directly or
# through another DLL, found by reading the imports so that the list can never go stale.
# Run with cmake -P and -DDESTINATION (the program folder), -DPROGRAMS (a glob of programs in it,
# relative to it), -DPLUGIN_DIR, -DPLUGINS (|-separated, relative to PLUGIN_DIR),
# -DSEARCH_DIRS (|-separated folders that hold DLLs) and -DOBJDUMP.
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" plugins "${PLUGINS}")
string(REPLACE "|" ";" search_dirs "${SEARCH_DIRS}")

# Windows matches DLL names without regard to case, and imports often spell them otherwise than
# the files (QT6CORE.dll, Qt6Core.dll): look them up by their lower-case names.
foreach(dir IN LISTS search_dirs)
  file(GLOB dlls ${dir}/*.dll)
  foreach(dll IN LISTS dlls)
    get_filename_component(name ${dll} NAME)
    string(TOLOWER ${name} key)
    if(NOT DEFINED found_${key})
      set(found_${key} ${dll})
    endif()
  endforeach()
endforeach()

set(pending "")
foreach(plugin IN LISTS plugins)
  get_filename_component(subdir ${plugin} DIRECTORY)
  file(COPY ${PLUGIN_DIR}/${plugin} DESTINATION ${DESTINATION}/${subdir})
  list(APPEND pending ${DESTINATION}/${plugin})
endforeach()
file(GLOB programs ${DESTINATION}/${PROGRAMS})
list(APPEND pending ${programs})

# A DLL that no search folder holds is Windows' own (KERNEL32, USER32, msvcrt and the like).
set(copied "")
while(pending)
  list(POP_FRONT pending binary)
  execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" name "${import}")
    string(STRIP "${name}" name)
    string(TOLOWER "${name}" key)
    if(DEFINED found_${key} AND NOT key IN_LIST copied)
      list(APPEND copied ${key})
      file(COPY ${found_${key}} DESTINATION ${DESTINATION})
      list(APPEND pending ${found_${key}})
    endif()
  endforeach()
endwhile()
