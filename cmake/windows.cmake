# SPDX-License-Identifier: ISC
# The Windows layer, for any build whose target is Windows: kucalc.exe with
# standard output in binary mode and no wildcard expansion
# (windows/stdout_binary.cpp) and a version resource; and what cpack -G ZIP
# packs, kucalc-VERSION-win64.zip: kucalc.exe, LICENSE.txt, README.txt and
# the manual as kucalc.txt, text with Windows line ends.
enable_language(RC)
configure_file(windows/kucalc.rc.in kucalc.rc @ONLY)
target_sources(kucalc PRIVATE windows/stdout_binary.cpp ${PROJECT_BINARY_DIR}/kucalc.rc)
install(TARGETS kucalc RUNTIME DESTINATION . COMPONENT kucalc)

# Text files for Windows: CRLF line ends, and the man page rendered as
# plain text where mandoc or groff is there.
set(text ${PROJECT_SOURCE_DIR}/cmake/windows-text.cmake)
configure_file(packaging/windows/README.txt.in README.in.txt @ONLY)
set(texts LICENSE.txt README.txt)
add_custom_command(OUTPUT LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/LICENSE -DOUT=LICENSE.txt -P ${text}
  DEPENDS LICENSE ${text})
add_custom_command(OUTPUT README.txt
  COMMAND ${CMAKE_COMMAND} -DIN=README.in.txt -DOUT=README.txt -P ${text}
  DEPENDS ${PROJECT_BINARY_DIR}/README.in.txt ${text})
find_program(KUCALC_MANDOC mandoc)
find_program(KUCALC_GROFF groff)
if(KUCALC_MANDOC)
  set(render ${KUCALC_MANDOC} -T ascii)
elseif(KUCALC_GROFF)
  set(render ${KUCALC_GROFF} -mandoc -T ascii)
endif()
if(render)
  string(REPLACE ";" " " render "${render}")
  add_custom_command(OUTPUT kucalc.txt
    COMMAND ${CMAKE_COMMAND} "-DRENDER=${render}" -DIN=${PROJECT_SOURCE_DIR}/doc/kucalc.1
      -DOUT=kucalc.txt -P ${text}
    DEPENDS doc/kucalc.1 ${text})
  list(APPEND texts kucalc.txt)
else()
  message(WARNING "Neither mandoc nor groff: the zip holds no manual (kucalc.txt).")
endif()
list(TRANSFORM texts PREPEND ${PROJECT_BINARY_DIR}/)
add_custom_target(kucalc_windows_texts ALL DEPENDS ${texts})
install(FILES ${texts} DESTINATION . COMPONENT kucalc)

# The same sources give the same zip: the PE time stamp, which the linker
# takes from SOURCE_DATE_EPOCH, and the times of the zip's entries, which
# cpack takes from it, are SOURCE_DATE_EPOCH's, or else the last commit's.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(epoch)
  set_property(TARGET kucalc PROPERTY CXX_LINKER_LAUNCHER
    ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch})
  file(WRITE ${PROJECT_BINARY_DIR}/cpack-windows.cmake "set(ENV{SOURCE_DATE_EPOCH} ${epoch})\n")
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/cpack-windows.cmake)
else()
  message(WARNING "Neither SOURCE_DATE_EPOCH nor a git checkout: kucalc.exe "
    "and the zip carry the time they are made.")
endif()

set(CPACK_PACKAGE_NAME kucalc)
set(CPACK_PACKAGE_VENDOR "the kucalc authors")
set(CPACK_SYSTEM_NAME win64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
