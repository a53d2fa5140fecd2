# SPDX-License-Identifier: ISC
# The release layer, on in a build made with toolchains/release.cmake, whose
# kucalc is the release binary for KUCALC_TARGET (the toolchain has read its
# row of targets.txt). It refuses flags that keep the binary from starting,
# packs it, and writes release-facts.sh for the scripts around the build.

# The builder's flags (CXXFLAGS, LDFLAGS, the cache) reach this link too.
# One that breaks the static start-up shows in a program that only
# returns: refuse it here rather than ship a binary that crashes.
if(NOT KUCALC_LIBC STREQUAL system AND
   (NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR))
  set(probe ${PROJECT_BINARY_DIR}/CMakeFiles/kucalc_starts.cpp)
  file(WRITE ${probe} "int main() { return 0; }\n")
  try_run(starts built ${PROJECT_BINARY_DIR}/CMakeFiles/kucalc_starts ${probe}
    COMPILE_OUTPUT_VARIABLE link_log)
  if(NOT built)
    message(FATAL_ERROR "The release toolchain cannot link a program with "
      "the flags given:\n${link_log}")
  elseif(NOT starts EQUAL 0)
    set(why "")
    if(CMAKE_EXE_LINKER_FLAGS MATCHES "pack-relative-relocs")
      string(CONCAT why "-z pack-relative-relocs asks for RELR relocations, "
        "which the static start-up of musl before 1.2.4 cannot apply. ")
    endif()
    message(FATAL_ERROR "A program built with the release toolchain "
      "('${kucalc_static_cxxflags} ${kucalc_static_ldflags}') and the "
      "builder's flags (CXXFLAGS '${CMAKE_CXX_FLAGS}', LDFLAGS "
      "'${CMAKE_EXE_LINKER_FLAGS}') does not run (${starts}). ${why}"
      "Configure again without the flag.")
  endif()
endif()

# The C library the binary carries, as dpkg names it (source package, its
# version, the package's version): fetched (musl/source), or the host's
# musl-dev or cross glibc.
set(libc_source "")
set(libc_package musl-dev:${kucalc_deb_arch})
if(KUCALC_LIBC STREQUAL glibc)
  set(libc_package libc6-dev-${kucalc_deb_arch}-cross)
endif()
if(KUCALC_LIBC STREQUAL musl AND EXISTS ${KUCALC_MUSL_ROOT}/../source)
  file(STRINGS ${KUCALC_MUSL_ROOT}/../source libc_source)
elseif(NOT KUCALC_LIBC STREQUAL system)
  execute_process(COMMAND dpkg-query -W [[-f=${source:Package} ${source:Version} ${Version}]] ${libc_package}
    OUTPUT_VARIABLE libc_source ERROR_QUIET)
endif()

include(${PROJECT_SOURCE_DIR}/release/packages.cmake)

# The system calls of the binary's start-up, which the tests of the whole
# binary hold it to (static_syscalls), where it is linked with musl.
set(start_calls "")
if(KUCALC_LIBC STREQUAL musl)
  set(start_calls ${kucalc_start_calls})
endif()
set(emulator "")
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(emulator ${CMAKE_CROSSCOMPILING_EMULATOR})
endif()
file(CONFIGURE OUTPUT release-facts.sh CONTENT [[
# The facts of this release build that scripts need, made by CMake.
KUCALC_VERSION='@PROJECT_VERSION@'
KUCALC_TARGET='@kucalc_gnu@'
KUCALC_LIBC='@KUCALC_LIBC@'
KUCALC_START_CALLS='@start_calls@'
KUCALC_EMULATOR='@emulator@'
]] @ONLY)
