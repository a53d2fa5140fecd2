# SPDX-License-Identifier: ISC
# Toolchain of the release binary: a hardened static PIE against musl, with
# no C++ runtime, for KUCALC_TARGET (a GNU triple of release/targets.txt) or
# else the target of CMAKE_CXX_COMPILER, CXX or gcc. Where the host has no
# musl for the target, KUCALC_FETCH_MUSL fetches Debian 13's (fetch-musl.sh);
# without musl a cross build links glibc statically, and a native build, or
# a target the table lacks, gets the ordinary toolchain and a warning.
include(${CMAKE_CURRENT_LIST_DIR}/../release/targets.cmake)
# The GNU triples that gcc and the compiler given build for, as their
# -dumpmachine says; "" where there is none.
execute_process(COMMAND gcc -dumpmachine OUTPUT_VARIABLE host_triple
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT KUCALC_TARGET)
  set(compiler gcc)
  if(CMAKE_CXX_COMPILER)
    set(compiler ${CMAKE_CXX_COMPILER})
  elseif(DEFINED ENV{CXX})
    set(compiler $ENV{CXX})
  endif()
  execute_process(COMMAND ${compiler} -dumpmachine OUTPUT_VARIABLE KUCALC_TARGET
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(KUCALC_TARGET "${KUCALC_TARGET}" CACHE STRING "GNU triple of the release binary")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KUCALC_TARGET KUCALC_MUSL_ROOT)

kucalc_target("${KUCALC_TARGET}")
set(libc system)
if(kucalc_known)
  kucalc_gnu_of("${host_triple}" host_gnu)
  set(libc ${kucalc_libc})
  find_program(KUCALC_TARGET_GCC ${kucalc_gnu}-gcc)
  # Debian 13's musl, fetched into this folder, where the host has none.
  if(libc STREQUAL glibc AND KUCALC_FETCH_MUSL AND KUCALC_TARGET_GCC)
    execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/fetch-musl.sh ${kucalc_deb_arch} ${CMAKE_BINARY_DIR}/musl
      RESULT_VARIABLE failed OUTPUT_VARIABLE fetched ERROR_VARIABLE why OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(failed)
      message(WARNING "Debian 13's musl for ${kucalc_deb_arch} cannot be fetched: ${why}")
    else()
      message(STATUS "Fetched Debian 13's ${fetched} for ${kucalc_deb_arch}")
      set(KUCALC_MUSL_ROOT ${CMAKE_BINARY_DIR}/musl/usr CACHE PATH "Where musl's lib/ and include/ are" FORCE)
      kucalc_target("${KUCALC_TARGET}")
      set(libc ${kucalc_libc})
    endif()
  endif()
  if(NOT KUCALC_TARGET_GCC)
    set(why "there is no ${kucalc_gnu}-gcc")
    set(libc system)
  elseif(libc STREQUAL glibc AND kucalc_gnu STREQUAL host_gnu)
    set(why "musl not found for ${kucalc_gnu} (apt-get install musl-dev)")
    set(libc system)
  endif()
else()
  set(why "the release toolchain has no row in release/targets.txt for '${KUCALC_TARGET}'")
endif()

# A compiler cannot be swapped under an existing cache: a folder configured
# for the other C library must be started afresh, not silently kept.
if(DEFINED CACHE{KUCALC_LIBC} AND NOT KUCALC_LIBC STREQUAL libc)
  message(FATAL_ERROR "${CMAKE_BINARY_DIR} was configured for ${KUCALC_LIBC}, "
    "and now ${libc} is what there is for ${KUCALC_TARGET}: remove "
    "${CMAKE_BINARY_DIR} and configure again.")
endif()
set(KUCALC_LIBC ${libc} CACHE INTERNAL "C library of the release binary")
set(KUCALC_RELEASE ON CACHE INTERNAL "The build is the release binary's: the release layer is on")
if(libc STREQUAL system)
  message(WARNING "${why}: building kucalc with the ordinary toolchain, "
    "as an ordinary binary.")
  return()
endif()

if(NOT kucalc_gnu STREQUAL host_gnu)
  set(CMAKE_SYSTEM_NAME Linux)
  set(CMAKE_SYSTEM_PROCESSOR ${kucalc_cpu})
  # So that the release layer can run a program it links, to see it start.
  if(KUCALC_QEMU)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KUCALC_QEMU})
  endif()
endif()

# gcc, not g++: it compiles C++ all the same, but links neither libstdc++
# nor, with -nostdinc++, reaches its headers.
set(CMAKE_CXX_COMPILER ${KUCALC_TARGET_GCC})
set(kucalc_static_cxxflags "-nostdinc++ -fPIE -fstack-protector-strong")
if(libc STREQUAL musl)
  set(specs ${CMAKE_BINARY_DIR}/musl-static-pie.specs)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/musl-static-pie.specs.in ${specs} @ONLY)
  # Quoted for the shell that runs the rules: the path may hold a blank.
  string(APPEND kucalc_static_cxxflags " \"-specs=${specs}\"")
endif()
# Code and read-only data share one segment (noseparate-code): two mappings
# fewer for the kernel to make at each start, which is most of a run's cost.
set(kucalc_static_ldflags
  "-static-pie -Wl,-z,relro,-z,now,-z,noexecstack,-z,noseparate-code -s")
# Static glibc is a static PIE where glibc has rcrt1.o, else at a fixed address.
if(libc STREQUAL glibc)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=rcrt1.o
    OUTPUT_VARIABLE rcrt1 OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${rcrt1}")
    string(REPLACE "-static-pie" "-static" kucalc_static_ldflags "${kucalc_static_ldflags}")
    set(kucalc_static_cxxflags "-nostdinc++ -fno-pie -fstack-protector-strong")
  endif()
  message(STATUS "musl not found for ${KUCALC_TARGET}: static against glibc "
    "(${kucalc_static_ldflags})")
endif()

# In the rules, after the builder's flags, which can add to these but
# neither drop nor undo them. .comment holds only compilers' versions.
set(CMAKE_CXX_COMPILE_OBJECT
  "<CMAKE_CXX_COMPILER> <DEFINES> <INCLUDES> <FLAGS> ${kucalc_static_cxxflags} -o <OBJECT> -c <SOURCE>")
set(CMAKE_CXX_LINK_EXECUTABLE
  "<CMAKE_CXX_COMPILER> <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> ${kucalc_static_cxxflags} ${kucalc_static_ldflags} <OBJECTS> -o <TARGET> <LINK_LIBRARIES>"
  "${kucalc_gnu}-objcopy --remove-section=.comment <TARGET>")
