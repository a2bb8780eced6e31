# SPDX-License-Identifier: MIT
# What Windows shows of the program and of its installer (file properties, Settings > Apps):
# a one-line description, and as publisher the holder of the licence's copyright, read from the
# licence so that the two never disagree.
set(CINTA_DESCRIPTION "Calculadora de cinta")
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE CINTA_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) [0-9, -]+ " "" CINTA_PUBLISHER "${CINTA_COPYRIGHT}")
if(NOT CINTA_COPYRIGHT OR CINTA_PUBLISHER STREQUAL CINTA_COPYRIGHT)
  message(FATAL_ERROR "LICENSE has no line \"Copyright (c) <year> <holder>\"")
endif()
