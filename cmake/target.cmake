# SPDX-License-Identifier: ISC
# Works out the machine kucalc is built for from KUCALC_TARGET, its GNU
# triple (default: the host's): whether that is a cross build, the names
# qemu, Debian and RPM give its architecture, and Debian's musl-dev for it
# under KUCALC_MUSL_ROOT (default: /usr). Sets kucalc_cross, kucalc_cpu,
# kucalc_qemu, kucalc_deb_arch, kucalc_rpm_arch, kucalc_start_calls,
# musl_lib, musl_include, and libc: musl where musl-dev is there, glibc
# where it is not.
execute_process(COMMAND gcc -dumpmachine OUTPUT_VARIABLE host_triple
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT KUCALC_TARGET)
  set(KUCALC_TARGET ${host_triple})
endif()
if(NOT KUCALC_MUSL_ROOT)
  set(KUCALC_MUSL_ROOT /usr)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KUCALC_TARGET KUCALC_MUSL_ROOT)
string(COMPARE NOTEQUAL "${KUCALC_TARGET}" "${host_triple}" kucalc_cross)

# The first part of the triple; its names for qemu, Debian, RPM and the
# folders of Debian's musl; and the system calls of musl's static start-up
# there, as strace or qemu -strace show them after execve.
set(arches
  "x86_64      x86_64  amd64   x86_64  x86_64      arch_prctl,set_tid_address"
  "aarch64     aarch64 arm64   aarch64 aarch64     set_tid_address"
  "arm         arm     armhf   armv7hl arm         set_tid_address"
  "i686        i386    i386    i686    i386        set_thread_area,set_tid_address"
  "s390x       s390x   s390x   s390x   s390x       set_tid_address"
  "riscv64     riscv64 riscv64 riscv64 riscv64     set_tid_address"
  "powerpc64le ppc64le ppc64el ppc64le powerpc64le set_tid_address")
string(REGEX MATCH "^[^-]+" kucalc_cpu "${KUCALC_TARGET}")
foreach(row IN LISTS arches)
  string(REGEX MATCHALL "[^ ]+" names "${row}")
  list(POP_FRONT names cpu)
  if(cpu STREQUAL kucalc_cpu)
    list(POP_FRONT names kucalc_qemu kucalc_deb_arch kucalc_rpm_arch musl_cpu
      kucalc_start_calls)
  endif()
endforeach()
if(NOT musl_cpu)
  message(FATAL_ERROR "kucalc has no build for ${KUCALC_TARGET}")
endif()

# arm-linux-gnueabihf has its musl in arm-linux-musleabihf.
string(REGEX REPLACE "^[^-]+-(.*)-gnu" "${musl_cpu}-\\1-musl" musl_triple "${KUCALC_TARGET}")
set(musl_lib ${KUCALC_MUSL_ROOT}/lib/${musl_triple})
set(musl_include ${KUCALC_MUSL_ROOT}/include/${musl_triple})
if(EXISTS ${musl_lib}/rcrt1.o AND EXISTS ${musl_include}/unistd.h)
  set(libc musl)
else()
  set(libc glibc)
endif()
