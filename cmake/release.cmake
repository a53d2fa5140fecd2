# SPDX-License-Identifier: ISC
# The release layer, which the presets switch on (KUCALC_RELEASE): the
# build installs and packs the release binary, the static PIE of
# cmake/musl.cmake, for its target, and the tests of the whole binary run
# against that binary too. A build configured with KUCALC_RELEASE_BINARY
# (the release preset, and the build beside) is the release binary itself;
# any other builds it beside, for KUCALC_TARGET or else the target of its
# own compiler.
include(${CMAKE_CURRENT_LIST_DIR}/target.cmake)
if(KUCALC_RELEASE_BINARY)
  if(NOT DEFINED CACHE{KUCALC_LIBC})
    message(FATAL_ERROR "KUCALC_RELEASE_BINARY is a build made with the release "
      "toolchain: configure with --toolchain cmake/musl.cmake, or without it.")
  endif()
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
        -DKUCALC_RELEASE=ON
        -DKUCALC_RELEASE_BINARY=ON
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
