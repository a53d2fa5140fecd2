# SPDX-License-Identifier: ISC
# The settings of cpack -G DEB and -G RPM, for the release layer; and the
# files that only the Debian package carries, in a component of their own
# that a plain install leaves out. packaging/package.sh runs cpack
# reproducibly.

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Compressed without name or time stamp, so that every build is the same.
set(changelog ${PROJECT_BINARY_DIR}/changelog.gz)
if(NOT KUCALC_GZIP)
  message(FATAL_ERROR "The packages need gzip for their changelog and man page.")
endif()
add_custom_command(OUTPUT ${changelog}
  COMMAND ${KUCALC_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
  DEPENDS packaging/changelog)
add_custom_target(kucalc_changelog ALL DEPENDS ${changelog})
install(FILES packaging/copyright ${changelog}
  DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES packaging/lintian-overrides RENAME kucalc
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)

set(KUCALC_MAINTAINER "kucalc developers <kucalc@example.org>"
  CACHE STRING "Maintainer named in the packages: set a real one to publish")

set(CPACK_PACKAGE_NAME kucalc)
set(CPACK_PACKAGE_VENDOR "the kucalc authors")
set(CPACK_PACKAGE_CONTACT "${KUCALC_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for 32-bit signed integers")
# Lines of at most 72 characters: packaging tools show them as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "kucalc LEFT OPERATOR RIGHT computes one operation (+ - * / %) in"
  "32-bit two's-complement arithmetic and writes the result in decimal on"
  "standard output. Operands are read leniently (leading blanks, any run"
  "of signs, digits up to the first non-digit), overflow wraps, and a zero"
  "divisor is answered with a one-line message. The exit status is 0 for"
  "every outcome: callers tell them apart by standard output alone."
  ""
  "The binary is static and allocates no memory; a run is little more"
  "than process start-up and one write(2) per byte of output.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/generator.cmake)

# A cross build packs for the architecture it builds for.
if(kucalc_known)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${kucalc_deb_arch})
  set(CPACK_RPM_PACKAGE_ARCHITECTURE ${kucalc_rpm_arch})
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE ISC)
set(CPACK_RPM_PACKAGE_SUMMARY "Calculator for 32-bit signed integers")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Engineering")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  /usr/share/man /usr/share/man/man1)
# Build time and host from SOURCE_DATE_EPOCH, file times clamped to it.
string(JOIN "\n" CPACK_RPM_SPEC_MORE_DEFINE
  "%define use_source_date_epoch_as_buildtime 1"
  "%define clamp_mtime_to_source_date_epoch 1"
  "%define _buildhost reproducible"
  "%define _build_id_links none")

# Only the files git tracks belong in a source package: package.sh makes it
# with git archive. This keeps cpack's own source package from taking in
# the build folders.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git/")

include(CPack)
