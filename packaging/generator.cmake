# SPDX-License-Identifier: ISC
# Read by cpack for each generator: what differs between DEB and RPM.

# The Debian package takes the program and the Debian component (its
# copyright, changelog and lintian overrides) and leaves out LICENSE, which
# its copyright file quotes; the RPM takes what a plain install does. An
# entry is (build folder; project; component; folder).
if(CPACK_GENERATOR STREQUAL "DEB")
  list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 build)
  set(CPACK_INSTALL_CMAKE_PROJECTS ${build} kucalc kucalc / ${build} kucalc debian /)
endif()
