# SPDX-License-Identifier: MIT
# The Windows installer, which CPack's NSIS generator builds with Debian's makensis from our own
# script (packaging/windows/NSIS.template.in): CMake's stock script installs for all users, into
# Program Files, as administrator, where Cinta could not write beside itself.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_NSIS_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_NSIS_COPYRIGHT ${CINTA_COPYRIGHT})
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/pictures/icon.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
# One solid LZMA stream: the Qt DLLs are most of the installer and compress to a third.
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
