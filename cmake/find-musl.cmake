# SPDX-License-Identifier: ISC
# Finds Debian's musl-dev for the GNU triple KUCALC_TARGET (default: the
# host's) under KUCALC_MUSL_ROOT (default: /usr), setting musl_lib and
# musl_include, and libc to musl when both are there or to glibc when not.
if(NOT KUCALC_TARGET)
  execute_process(COMMAND gcc -dumpmachine OUTPUT_VARIABLE KUCALC_TARGET
    OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT KUCALC_MUSL_ROOT)
  set(KUCALC_MUSL_ROOT /usr)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KUCALC_TARGET KUCALC_MUSL_ROOT)
string(REGEX REPLACE "-gnu.*$" "-musl" musl_triple "${KUCALC_TARGET}")
set(musl_lib ${KUCALC_MUSL_ROOT}/lib/${musl_triple})
set(musl_include ${KUCALC_MUSL_ROOT}/include/${musl_triple})
if(EXISTS ${musl_lib}/rcrt1.o AND EXISTS ${musl_include}/unistd.h)
  set(libc musl)
else()
  set(libc glibc)
endif()
