# SPDX-License-Identifier: ISC
# The release layer's view of cmake/targets.txt, the table of the machines
# the release binary is built for, read by its one reader, cmake/targets.sh.
if(NOT KUCALC_MUSL_ROOT)
  set(KUCALC_MUSL_ROOT /usr)
endif()

# Sets <var> to the GNU triple that <compiler> builds for, as its
# -dumpmachine says, or to "" where it says nothing.
function(kucalc_triple_of compiler var)
  execute_process(COMMAND ${compiler} -dumpmachine OUTPUT_VARIABLE triple
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
  if(failed)
    set(triple "")
  endif()
  set(${var} "${triple}" PARENT_SCOPE)
endfunction()

# Sets <var> to a GNU triple in the form of the table's: without a vendor
# part (x86_64-pc-linux-gnu, as clang says), and i686 for i386 to i586.
function(kucalc_gnu_of triple var)
  string(REGEX REPLACE "^([^-]+)-[^-]+-(linux-.*)$" "\\1-\\2" gnu "${triple}")
  string(REGEX REPLACE "^i[3-6]86-" "i686-" gnu "${gnu}")
  set(${var} "${gnu}" PARENT_SCOPE)
endfunction()

# Finds the row of a GNU triple, in any form kucalc_gnu_of takes, and sets
# in the caller's scope kucalc_known, and for a known triple kucalc_gnu,
# kucalc_cpu, kucalc_deb_arch, kucalc_qemu, kucalc_rpm_arch,
# kucalc_start_calls, and kucalc_libc: musl where Debian's musl-dev for it
# is under KUCALC_MUSL_ROOT (default /usr), with musl_lib and musl_include,
# else glibc. A table that targets.sh refuses stops the configure step.
function(kucalc_target triple)
  kucalc_gnu_of("${triple}" gnu)
  execute_process(COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/targets.sh -w gnu=${gnu}
      deb qemu rpm start musl
    OUTPUT_VARIABLE row OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_VARIABLE error RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${error}")
  endif()
  string(REPLACE " " ";" row "${row}")
  set(kucalc_known FALSE PARENT_SCOPE)
  if(NOT row)
    return()
  endif()
  list(POP_FRONT row deb qemu rpm start musl)
  string(REGEX MATCH "^[^-]+" cpu "${gnu}")
  set(lib ${KUCALC_MUSL_ROOT}/lib/${musl})
  set(include ${KUCALC_MUSL_ROOT}/include/${musl})
  if(EXISTS ${lib}/rcrt1.o AND EXISTS ${include}/unistd.h)
    set(kucalc_libc musl PARENT_SCOPE)
  else()
    set(kucalc_libc glibc PARENT_SCOPE)
  endif()
  set(kucalc_known TRUE PARENT_SCOPE)
  set(kucalc_gnu ${gnu} PARENT_SCOPE)
  set(kucalc_cpu ${cpu} PARENT_SCOPE)
  set(kucalc_deb_arch ${deb} PARENT_SCOPE)
  set(kucalc_qemu ${qemu} PARENT_SCOPE)
  set(kucalc_rpm_arch ${rpm} PARENT_SCOPE)
  set(kucalc_start_calls ${start} PARENT_SCOPE)
  set(musl_lib ${lib} PARENT_SCOPE)
  set(musl_include ${include} PARENT_SCOPE)
endfunction()
