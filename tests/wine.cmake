# SPDX-License-Identifier: ISC
# The tests of the Windows build (toolchains/mingw.cmake), under Wine. A Wine
# server lasts from wine.start to wine.stop, so that a start of kucalc.exe
# does not wait for one to start.
set(wine ${CMAKE_CROSSCOMPILING_EMULATOR})
add_test(NAME wine.start COMMAND ${wine} --start)
add_test(NAME wine.stop COMMAND ${wine} --stop)
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
if(TEST doc.examples)
  set_tests_properties(doc.examples PROPERTIES FIXTURES_REQUIRED wine)
endif()

# The tests of the whole binary start it with posix_spawn: a program of
# this machine, built beside with its compiler, that starts kucalc.exe
# through Wine (windows.*).
include(ExternalProject)
set(host ${CMAKE_CURRENT_BINARY_DIR}/host)
ExternalProject_Add(kucalc_host_tests
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${host}
  CMAKE_ARGS
    -DCMAKE_BUILD_TYPE=Debug
    -DKUCALC_WERROR=${KUCALC_WERROR}
    -DKUCALC_DIFFERENTIAL_RUNS=300
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target kucalc_tests
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${host}/tests/kucalc_tests
  INSTALL_COMMAND "")
add_executable(kucalc_host_tests_program IMPORTED)
set_target_properties(kucalc_host_tests_program PROPERTIES
  IMPORTED_LOCATION ${host}/tests/kucalc_tests
  CROSSCOMPILING_EMULATOR "")
gtest_discover_tests(kucalc_host_tests_program TEST_PREFIX windows.
  PROPERTIES ENVIRONMENT KUCALC_BIN=$<TARGET_FILE:kucalc>
    ENVIRONMENT_MODIFICATION KUCALC_EMULATOR=set:${wine}
    FIXTURES_REQUIRED wine)
