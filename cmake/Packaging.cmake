# SPDX-License-Identifier: MIT
# The installed program is a portable folder: Cinta reads and writes its files beside itself, so
# `cmake --install` lays out cinta, configuracion/ and an empty operaciones/ at the prefix, and
# CPack archives that folder for unpacking anywhere the user owns.
# The usual /usr/local would scatter configuracion/ and operaciones/ into a system folder the
# program cannot write to, so an install without --prefix goes to a folder in the build.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX ${CMAKE_BINARY_DIR}/cinta CACHE PATH "The program folder" FORCE)
endif()
install(TARGETS cinta RUNTIME DESTINATION .)
# Copied byte for byte: the texts are Windows-1252 with CR LF line ends. Only the texts: the
# folder also holds the repository's notes on how to keep those bytes.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/configuracion/ DESTINATION configuracion
        FILES_MATCHING PATTERN "*.txt")
install(DIRECTORY DESTINATION operaciones)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_PACKAGE_NAME cinta)
set(CPACK_PACKAGE_VENDOR ${CINTA_PUBLISHER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${CINTA_DESCRIPTION})
# The archive is for users: no debugging symbols.
set(CPACK_STRIP_FILES ON)
# Windows users unzip, or run the installer; everyone else untars.
if(WIN32)
  set(CPACK_PACKAGE_FILE_NAME cinta-${PROJECT_VERSION}-win64)
  set(CPACK_GENERATOR ZIP NSIS)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsInstaller.cmake)
else()
  set(CPACK_PACKAGE_FILE_NAME cinta-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME})
  set(CPACK_GENERATOR TGZ)
endif()
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
