# SPDX-License-Identifier: ISC
# The release layer. The release binary is what cmake/musl.cmake builds: a
# static PIE for its target. A build made with that toolchain (the release
# preset) is the release binary, and installs and packs itself. Any other
# build makes it beside itself where asked (KUCALC_RELEASE_BESIDE: the
# debug and cross presets), in its folder release/, for KUCALC_TARGET or
# else the target of its own compiler; it then installs and packs that
# binary, and runs the tests of the whole binary against it too.
include(${CMAKE_CURRENT_LIST_DIR}/target.cmake)
if(DEFINED CACHE{KUCALC_LIBC})
  kucalc_target("${KUCALC_TARGET}")
  set(kucalc_release_libc ${KUCALC_LIBC})
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
else()
  if(NOT KUCALC_TARGET)
    kucalc_triple_of(${CMAKE_CXX_COMPILER} KUCALC_TARGET)
  endif()
  kucalc_target("${KUCALC_TARGET}")
  if(NOT kucalc_known)
    message(WARNING "cmake/targets.txt has no row for '${KUCALC_TARGET}': no "
      "static release binary is built or tested, and the build installs its own.")
  elseif(kucalc_libc STREQUAL glibc AND NOT CMAKE_CROSSCOMPILING)
    message(WARNING "musl not found (apt-get install musl-dev): no static "
      "release binary is built or tested, and the build installs its own.")
  else()
    # The release binary, built beside with its own toolchain. Its build
    # runs every time and decides for itself what to redo, as any build
    # does: its sources and headers, its build files and toolchain, and the
    # project's compile options are all its own inputs. It is configured
    # as a release build, so that it probes the flags it is given too.
    #
    # It takes the builder's flags as this configure finds them in the
    # environment: it is configured at build time, when a distribution's
    # build may no longer set them (debhelper adds CPPFLAGS to CXXFLAGS only
    # for the configure step). An optimisation level among them holds over
    # the Release build's own.
    foreach(var IN ITEMS CXXFLAGS LDFLAGS)
      set(${var} "")
      if(DEFINED ENV{${var}})
        set(${var} "$ENV{${var}}")
      endif()
    endforeach()
    set(builder_flags "-DCMAKE_CXX_FLAGS=${CXXFLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LDFLAGS}")
    if(CXXFLAGS MATCHES "(^| )-O")
      list(APPEND builder_flags -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG)
    endif()
    include(ExternalProject)
    set(kucalc_release_dir ${PROJECT_BINARY_DIR}/release)
    set(kucalc_release_bin ${kucalc_release_dir}/kucalc)
    set(kucalc_release_libc ${kucalc_libc})
    ExternalProject_Add(kucalc_release
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${kucalc_release_dir}
      CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_LIST_DIR}/musl.cmake
        -DKUCALC_TARGET=${kucalc_gnu}
        -DKUCALC_MUSL_ROOT=${KUCALC_MUSL_ROOT}
        -DCMAKE_BUILD_TYPE=Release
        -DBUILD_TESTING=OFF
        -DKUCALC_WERROR=${KUCALC_WERROR}
        ${builder_flags}
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${kucalc_release_bin}
      INSTALL_COMMAND "")
  endif()
endif()

# What is packed is linked with musl or glibc statically, or is an ordinary
# build of the system's (kucalc_release_libc "system").
if(NOT kucalc_release_libc)
  set(kucalc_release_libc system)
endif()
if(kucalc_release_bin)
  install(PROGRAMS ${kucalc_release_bin} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT kucalc)
else()
  install(TARGETS kucalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT kucalc)
endif()
include(${PROJECT_SOURCE_DIR}/packaging/package.cmake)

# What the scripts around the build need to know of it, for the shell.
if(DEFINED CACHE{KUCALC_LIBC})
  file(CONFIGURE OUTPUT kucalc-build.sh CONTENT [[
# What packaging/ and CI's scripts need of this build, made by CMake.
KUCALC_VERSION='@PROJECT_VERSION@'
KUCALC_TARGET='@kucalc_gnu@'
KUCALC_LIBC='@KUCALC_LIBC@'
]] @ONLY)
endif()
