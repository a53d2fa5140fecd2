# SPDX-License-Identifier: ISC
# Toolchain of a cross build with every test, for the GNU triple
# KUCALC_TARGET: Debian's cross g++, linking statically so that qemu-user
# runs the programs without a loader, and qemu-user as the emulator that
# runs them here. tests/CMakeLists.txt builds the release binary for the
# target beside them, with musl.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/target.cmake)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${kucalc_cpu})
set(CMAKE_CXX_COMPILER ${KUCALC_TARGET}-g++)
set(CMAKE_C_COMPILER ${KUCALC_TARGET}-gcc) # GoogleTest asks for C too
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(KUCALC_EMULATOR NAMES qemu-${kucalc_qemu}-static qemu-${kucalc_qemu})
if(NOT KUCALC_EMULATOR)
  message(FATAL_ERROR "No emulator for ${KUCALC_TARGET}, so none of its tests "
    "could run: apt-get install qemu-user-static")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${KUCALC_EMULATOR})
