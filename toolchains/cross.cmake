# SPDX-License-Identifier: ISC
# Toolchain of a cross build with every test, for KUCALC_TARGET, a GNU
# triple of release/targets.txt: Debian's cross g++, linking statically so
# that qemu-user, its emulator, needs no loader, and GoogleTest built for
# the target from Debian's sources.
include(${CMAKE_CURRENT_LIST_DIR}/../release/targets.cmake)
kucalc_target("${KUCALC_TARGET}")
if(NOT kucalc_known)
  message(FATAL_ERROR "KUCALC_TARGET is '${KUCALC_TARGET}', which is no GNU "
    "triple of release/targets.txt; for example: "
    "KUCALC_TARGET=aarch64-linux-gnu cmake --workflow --preset cross")
endif()
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${kucalc_cpu})
set(CMAKE_CXX_COMPILER ${kucalc_gnu}-g++)
set(CMAKE_C_COMPILER ${kucalc_gnu}-gcc) # GoogleTest asks for C too
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KUCALC_TARGET)

if(NOT KUCALC_QEMU)
  message(FATAL_ERROR "No emulator for ${KUCALC_TARGET}, so none of its tests "
    "could run: apt-get install qemu-user-static")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${KUCALC_QEMU})

set(KUCALC_GTEST_SOURCE /usr/src/googletest)
if(NOT EXISTS ${KUCALC_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${KUCALC_GTEST_SOURCE} to "
    "build for ${KUCALC_TARGET}: apt-get install googletest")
endif()
