# SPDX-License-Identifier: ISC
# Toolchain for the release binary: a static PIE against musl, with no C++
# runtime, hardened (stack protector, full RELRO, no executable stack), so
# that a run is little more than execve, the writes and exit_group.
# KUCALC_TARGET names the GNU triple to build for (default: the host's);
# musl comes from Debian's musl-dev for that triple. Without it, a cross
# build makes the same static PIE against glibc, and a native build an
# ordinary, dynamically linked binary.

include(${CMAKE_CURRENT_LIST_DIR}/target.cmake)
if(kucalc_cross)
  set(CMAKE_SYSTEM_NAME Linux)
  set(CMAKE_SYSTEM_PROCESSOR ${kucalc_cpu})
endif()

# The choice is made once per build folder: a compiler cannot be swapped
# under an existing cache, so a folder configured for the other C library
# must be started afresh rather than silently keep it.
if(DEFINED CACHE{KUCALC_LIBC} AND NOT KUCALC_LIBC STREQUAL libc)
  message(FATAL_ERROR "${CMAKE_BINARY_DIR} was configured for ${KUCALC_LIBC}, "
    "and now ${libc} is what there is for ${KUCALC_TARGET}: remove "
    "${CMAKE_BINARY_DIR} and configure again.")
endif()
set(KUCALC_LIBC ${libc} CACHE INTERNAL "C library of the release binary")

if(libc STREQUAL glibc AND NOT kucalc_cross)
  message(WARNING
    "musl not found for ${KUCALC_TARGET} (apt-get install musl-dev): building "
    "kucalc with the ordinary toolchain, dynamically linked against glibc.")
  return()
endif()

# gcc, not g++: it compiles C++ all the same, but links neither libstdc++
# nor, with -nostdinc++, reaches its headers.
set(CMAKE_CXX_COMPILER ${KUCALC_TARGET}-gcc)
set(CMAKE_CXX_FLAGS_INIT "-nostdinc++ -fPIE -fstack-protector-strong")
if(libc STREQUAL musl)
  set(specs ${CMAKE_BINARY_DIR}/musl-static-pie.specs)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/musl-static-pie.specs.in ${specs} @ONLY)
  string(APPEND CMAKE_CXX_FLAGS_INIT " -specs=${specs}")
endif()
# Code and read-only data share one segment (noseparate-code): two mappings
# fewer for the kernel to make at each start, which is most of the cost
# of a run; no segment is both writable and executable all the same.
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-static-pie -Wl,-z,relro,-z,now,-z,noexecstack,-z,noseparate-code -s")

# Without musl a cross build links glibc statically: as a static PIE where
# glibc has the self-relocating start (rcrt1.o), else at a fixed address.
if(libc STREQUAL glibc)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=rcrt1.o
    OUTPUT_VARIABLE rcrt1 OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${rcrt1}")
    string(REPLACE "-static-pie" "-static" CMAKE_EXE_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")
    set(CMAKE_CXX_FLAGS_INIT "-nostdinc++ -fno-pie -fstack-protector-strong")
  endif()
  message(STATUS "musl not found for ${KUCALC_TARGET}: static against glibc "
    "(${CMAKE_EXE_LINKER_FLAGS_INIT})")
endif()

# The link drops .comment too: it holds only the compilers' version strings.
set(CMAKE_CXX_LINK_EXECUTABLE
  "<CMAKE_CXX_COMPILER> <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>"
  "${KUCALC_TARGET}-objcopy --remove-section=.comment <TARGET>")
