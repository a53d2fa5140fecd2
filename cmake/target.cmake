# SPDX-License-Identifier: ISC
# Reads cmake/targets.txt, the table of the machines the release binary is
# built for. Only the release layer includes it: the release and cross
# toolchains, the release binary built beside another build, and the
# packages' architecture names.

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

# Finds the row of a GNU triple, in any form kucalc_gnu_of takes, and
# sets, in the caller's scope, kucalc_known, and for a known triple
# kucalc_gnu (the row's own triple), kucalc_cpu, kucalc_deb_arch,
# kucalc_qemu, kucalc_rpm_arch, kucalc_start_calls, and kucalc_libc: musl
# where Debian's musl-dev for it is under KUCALC_MUSL_ROOT (default /usr),
# with musl_lib and musl_include, else glibc. It reads the table as
# cmake/targets.sh does: a # starts a comment, blank lines do not count,
# the first row names the columns, and a row with another number of
# fields stops the configure step, naming its line.
function(kucalc_target triple)
  kucalc_gnu_of("${triple}" gnu)
  file(STRINGS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/targets.txt lines)
  set(kucalc_known FALSE PARENT_SCOPE)
  set(kucalc_gnu "" PARENT_SCOPE)
  set(names "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(REGEX REPLACE "#.*" "" line "${line}")
    string(REGEX MATCHALL "[^ \t]+" fields "${line}")
    if(NOT fields)
      continue()
    elseif(NOT names)
      set(names ${fields})
      list(LENGTH names columns)
      continue()
    endif()
    list(LENGTH fields count)
    if(NOT count EQUAL columns)
      message(FATAL_ERROR "cmake/targets.txt:${number}: ${count} fields, "
        "where the first row names ${columns}")
    endif()
    foreach(name field IN ZIP_LISTS names fields)
      set(row_${name} ${field})
    endforeach()
    if(NOT row_gnu STREQUAL gnu)
      continue()
    endif()
    string(REGEX MATCH "^[^-]+" cpu "${gnu}")
    set(lib ${KUCALC_MUSL_ROOT}/lib/${row_musl})
    set(include ${KUCALC_MUSL_ROOT}/include/${row_musl})
    if(EXISTS ${lib}/rcrt1.o AND EXISTS ${include}/unistd.h)
      set(libc musl)
    else()
      set(libc glibc)
    endif()
    set(kucalc_known TRUE PARENT_SCOPE)
    set(kucalc_gnu ${gnu} PARENT_SCOPE)
    set(kucalc_cpu ${cpu} PARENT_SCOPE)
    set(kucalc_deb_arch ${row_deb} PARENT_SCOPE)
    set(kucalc_qemu ${row_qemu} PARENT_SCOPE)
    set(kucalc_rpm_arch ${row_rpm} PARENT_SCOPE)
    set(kucalc_start_calls ${row_start} PARENT_SCOPE)
    set(kucalc_libc ${libc} PARENT_SCOPE)
    set(musl_lib ${lib} PARENT_SCOPE)
    set(musl_include ${include} PARENT_SCOPE)
  endforeach()
endfunction()
