# SPDX-License-Identifier: ISC
# Toolchain of the Windows x86-64 build: Debian's mingw-w64 in its -posix
# variant (GoogleTest needs std::mutex, which -win32 lacks), linking
# statically, so that kucalc.exe needs no DLL but Windows' own; and Wine
# (toolchains/kucalc-wine.in, in a prefix of the build folder's) as the
# emulator of its tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(triple x86_64-w64-mingw32)
find_program(KUCALC_MINGW_CXX ${triple}-g++-posix)
if(NOT KUCALC_MINGW_CXX)
  message(FATAL_ERROR "No ${triple}-g++-posix for the Windows build: "
    "apt-get install g++-mingw-w64-x86-64-posix")
endif()
set(CMAKE_CXX_COMPILER ${KUCALC_MINGW_CXX})
set(CMAKE_C_COMPILER ${triple}-gcc-posix) # GoogleTest asks for C too
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(KUCALC_WINE wine)
find_program(KUCALC_WINESERVER wineserver)
if(KUCALC_WINE AND KUCALC_WINESERVER)
  set(kucalc_wine_prefix ${CMAKE_BINARY_DIR}/wine)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/kucalc-wine.in ${CMAKE_BINARY_DIR}/kucalc-wine @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/kucalc-wine)
elseif(NOT DEFINED BUILD_TESTING OR BUILD_TESTING)
  message(FATAL_ERROR "No Wine to run the tests of the Windows build: "
    "apt-get install wine wine64, or configure with -DBUILD_TESTING=OFF")
endif()

set(KUCALC_GTEST_SOURCE /usr/src/googletest)
