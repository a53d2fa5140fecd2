# SPDX-License-Identifier: ISC
# Writes the text file IN as OUT with Windows line ends (CRLF); with
# RENDER, a man page renderer's command, IN is a man page and OUT its
# rendering as plain text, bold and underline dropped.
# Usage: cmake [-DRENDER=COMMAND] -DIN=FILE -DOUT=FILE -P windows-text.cmake
if(RENDER)
  separate_arguments(render UNIX_COMMAND "${RENDER}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env GROFF_NO_SGR=1 ${render} ${IN}
    OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${RENDER} ${IN} failed")
  endif()
  # Overstrikes: a character, a backspace, and the character shown.
  string(ASCII 8 backspace)
  string(REGEX REPLACE ".${backspace}" "" text "${text}")
else()
  file(READ ${IN} text)
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
