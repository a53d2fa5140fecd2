# SPDX-License-Identifier: ISC
# Toolchain for the release binary: linked statically against musl, with no
# C++ runtime, so that a run is little more than execve, the writes and
# exit_group. Needs musl-gcc (Debian's musl-tools); without it the ordinary
# toolchain builds an ordinary, dynamically linked binary.
find_program(KUCALC_MUSL_GCC musl-gcc)
if(KUCALC_MUSL_GCC)
  # musl-gcc drives gcc, not g++: it compiles C++ all the same, but links
  # neither libstdc++ nor its headers.
  set(CMAKE_CXX_COMPILER "${KUCALC_MUSL_GCC}")
  set(CMAKE_CXX_FLAGS_INIT "-nostdinc++")
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s")
else()
  message(WARNING
    "musl-gcc not found (apt-get install musl-tools): building kucalc with "
    "the ordinary toolchain, dynamically linked against glibc.")
endif()
