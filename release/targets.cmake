# SPDX-License-Identifier: ISC
# CMake's view of release/targets.txt, the table of the machines the release
# binary is built for, for the release and cross toolchains; it reads the
# table through its one reader, release/targets.sh.
if(NOT KUCALC_MUSL_ROOT)
  set(KUCALC_MUSL_ROOT /usr)
endif()

# Sets <var> to a GNU triple in the form of the table's: without a vendor
# part (x86_64-pc-linux-gnu, as clang says), and i686 for i386 to i586.
function(kucalc_gnu_of triple var)
  string(REGEX REPLACE "^([^-]+)-[^-]+-(linux-.*)$" "\\1-\\2" gnu "${triple}")
  string(REGEX REPLACE "^i[3-6]86-" "i686-" gnu "${gnu}")
  set(${var} "${gnu}" PARENT_SCOPE)
endfunction()

# Finds the row of a GNU triple, in any form kucalc_gnu_of takes: sets
# kucalc_known, and for a known triple kucalc_gnu, kucalc_cpu, the row's
# fields, KUCALC_QEMU (its qemu-user, where installed) and kucalc_libc:
# musl where Debian's musl-dev for it is under KUCALC_MUSL_ROOT, with
# musl_lib and musl_include, else glibc.
set(kucalc_targets_sh ${CMAKE_CURRENT_LIST_DIR}/targets.sh)
macro(kucalc_target triple)
  kucalc_gnu_of("${triple}" kucalc_gnu)
  execute_process(COMMAND ${kucalc_targets_sh} -w gnu=${kucalc_gnu} deb qemu rpm start musl
    OUTPUT_VARIABLE kucalc_row OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_VARIABLE kucalc_error RESULT_VARIABLE kucalc_failed)
  if(kucalc_failed)
    message(FATAL_ERROR "${kucalc_error}")
  endif()
  string(REPLACE " " ";" kucalc_row "${kucalc_row}")
  set(kucalc_known FALSE)
  if(kucalc_row)
    set(kucalc_known TRUE)
    list(POP_FRONT kucalc_row kucalc_deb_arch kucalc_qemu kucalc_rpm_arch kucalc_start_calls kucalc_musl)
    string(REGEX MATCH "^[^-]+" kucalc_cpu "${kucalc_gnu}")
    set(musl_lib ${KUCALC_MUSL_ROOT}/lib/${kucalc_musl})
    set(musl_include ${KUCALC_MUSL_ROOT}/include/${kucalc_musl})
    find_program(KUCALC_QEMU NAMES qemu-${kucalc_qemu}-static qemu-${kucalc_qemu})
    set(kucalc_libc glibc)
    if(EXISTS ${musl_lib}/rcrt1.o AND EXISTS ${musl_include}/unistd.h)
      set(kucalc_libc musl)
    endif()
  endif()
endmacro()
