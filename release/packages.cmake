# SPDX-License-Identifier: ISC
# cpack's DEB and RPM settings for the release layer, and the files only the
# Debian package carries, in a component that a plain install leaves out.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(NOT KUCALC_GZIP)
  message(FATAL_ERROR "The packages need gzip for their changelog and man page.")
endif()
set(changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${KUCALC_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/release/changelog > ${changelog}
  DEPENDS release/changelog)
add_custom_target(kucalc_changelog ALL DEPENDS ${changelog})

# Debian's copyright file and description, with what a static binary adds
# (musl or glibc); an ordinary build's are Debian's own build's.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/debian/copyright
  release/static-musl.copyright release/static-glibc.copyright release/gcc-runtime.copyright)
file(READ packaging/debian/copyright copyright)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${kucalc_summary}")
set(description "${kucalc_description}")
set(static_musl [[
The binary is a static PIE against musl and allocates no memory: a run
is little more than process start-up and one write(2) per byte of output.]])
set(static_glibc [[
The binary is linked statically against glibc, for a target without
musl: it needs no library at run time, and writes one byte per write(2).]])
if(KUCALC_LIBC MATCHES "^(musl|glibc)$")
  file(READ release/static-${KUCALC_LIBC}.copyright binary)
  file(READ release/gcc-runtime.copyright runtime)
  string(APPEND copyright "\n${binary}\n${runtime}")
  string(APPEND description "\n${static_${KUCALC_LIBC}}")
  install(FILES release/static-${KUCALC_LIBC}.lintian-overrides RENAME kucalc
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)
endif()
file(WRITE ${PROJECT_BINARY_DIR}/copyright "${copyright}")
install(FILES ${PROJECT_BINARY_DIR}/copyright ${changelog}
  DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
string(STRIP "${description}" CPACK_PACKAGE_DESCRIPTION)

set(KUCALC_MAINTAINER "${kucalc_maintainer}"
  CACHE STRING "Maintainer named in the packages: set a real one to publish")
set(CPACK_PACKAGE_CONTACT "${KUCALC_MAINTAINER}")
if(kucalc_known)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${kucalc_deb_arch})
  set(CPACK_RPM_PACKAGE_ARCHITECTURE ${kucalc_rpm_arch})
endif()

# The C library linked in, as each format names a library a package
# carries: Debian's Static-Built-Using, which cpack has no variable for and
# so follows Source on its line, and Fedora's bundled().
if(libc_source)
  string(REPLACE " " ";" libc_source "${libc_source}")
  list(POP_FRONT libc_source name version bundled)
  set(CPACK_DEBIAN_PACKAGE_SOURCE "kucalc\nStatic-Built-Using: ${name} (= ${version})")
  string(REGEX REPLACE "^([0-9]+:)?([^-]+).*$" "\\2" bundled "${bundled}")
  set(CPACK_RPM_PACKAGE_PROVIDES "bundled(${KUCALC_LIBC}) = ${bundled}")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE ISC)
set(CPACK_RPM_PACKAGE_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Engineering")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/man /usr/share/man/man1)
# Build time and host from SOURCE_DATE_EPOCH, file times clamped to it.
string(JOIN "\n" CPACK_RPM_SPEC_MORE_DEFINE
  "%define use_source_date_epoch_as_buildtime 1"
  "%define clamp_mtime_to_source_date_epoch 1"
  "%define _buildhost reproducible"
  "%define _build_id_links none")
include(CPack)
