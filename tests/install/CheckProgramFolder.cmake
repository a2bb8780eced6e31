# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix and packs it with CPack, then checks that both the
# installed folder and the unpacked archive are complete program folders: the program reads
# configuracion/ and writes operaciones/ beside itself, so a missing or altered file there
# breaks it wherever it is unpacked.
# Takes -DBUILD_DIR, -DSOURCE_DIR, -DPROGRAM (the executable's file name), -DWORK_DIR,
# -DGENERATOR (the CPack generator: TGZ or ZIP) and -DRUNTIME (|-separated files, such as DLLs and
# plugins, that the program needs beside it). With -DFOLDER, -DSOURCE_DIR, -DPROGRAM and -DRUNTIME
# it checks that one folder only, such as the one an installer has filled.
cmake_minimum_required(VERSION 3.25)

set(failures "")

macro(Fail message)
  list(APPEND failures "${message}")
endmacro()

function(CheckProgramFolder folder)
  # find_program only accepts a file with execute permission.
  unset(found CACHE)
  find_program(found ${PROGRAM} PATHS ${folder} NO_DEFAULT_PATH NO_CACHE)
  if(NOT found)
    Fail("${folder}: no executable ${PROGRAM}")
  endif()

  # The texts and nothing else: no notes of the repository such as its .gitattributes.
  file(GLOB shipped RELATIVE ${SOURCE_DIR}/configuracion ${SOURCE_DIR}/configuracion/*.txt)
  file(GLOB copied RELATIVE ${folder}/configuracion ${folder}/configuracion/*)
  list(SORT shipped)
  list(SORT copied)
  if(NOT shipped)
    Fail("${SOURCE_DIR}/configuracion: no shipped file")
  endif()
  if(NOT shipped STREQUAL copied)
    Fail("${folder}/configuracion holds [${copied}], expected [${shipped}]")
  endif()
  foreach(name IN LISTS shipped)
    file(SHA256 ${SOURCE_DIR}/configuracion/${name} expected)
    if(EXISTS ${folder}/configuracion/${name})
      file(SHA256 ${folder}/configuracion/${name} actual)
      if(NOT actual STREQUAL expected)
        Fail("${folder}/configuracion/${name} differs from the shipped bytes")
      endif()
    endif()
  endforeach()

  string(REPLACE "|" ";" runtime "${RUNTIME}")
  foreach(name IN LISTS runtime)
    if(NOT EXISTS ${folder}/${name})
      Fail("${folder}: no ${name}, which the program needs to start")
    endif()
  endforeach()

  if(NOT IS_DIRECTORY ${folder}/operaciones)
    Fail("${folder}: no operaciones/ folder")
  else()
    file(GLOB saved LIST_DIRECTORIES true ${folder}/operaciones/*)
    if(saved)
      Fail("${folder}/operaciones is not empty: [${saved}]")
    endif()
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

function(ReportFailures)
  if(failures)
    list(JOIN failures "\n" report)
    message(FATAL_ERROR "${report}")
  endif()
endfunction()

if(DEFINED FOLDER)
  CheckProgramFolder(${FOLDER})
  ReportFailures()
  return()
endif()

function(Run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})

Run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
CheckProgramFolder(${WORK_DIR}/prefix)

if(GENERATOR STREQUAL "ZIP")
  set(extension .zip)
else()
  set(extension .tar.gz)
endif()
Run(${CMAKE_COMMAND} -E chdir ${BUILD_DIR} cpack -G ${GENERATOR} -B ${WORK_DIR}/package)
file(GLOB archives ${WORK_DIR}/package/*${extension})
list(LENGTH archives archiveCount)
if(NOT archiveCount EQUAL 1)
  message(FATAL_ERROR "CPack made [${archives}], expected one ${extension}")
endif()
file(MAKE_DIRECTORY ${WORK_DIR}/unpacked)
Run(${CMAKE_COMMAND} -E chdir ${WORK_DIR}/unpacked ${CMAKE_COMMAND} -E tar xf ${archives})
# The archive holds one top folder, so that unpacking it never scatters files.
file(GLOB top LIST_DIRECTORIES true ${WORK_DIR}/unpacked/*)
list(LENGTH top topCount)
if(NOT topCount EQUAL 1 OR NOT IS_DIRECTORY "${top}")
  message(FATAL_ERROR "The archive unpacks to [${top}], expected one folder")
endif()
CheckProgramFolder(${top})
ReportFailures()
file(REMOVE_RECURSE ${WORK_DIR})
