# SPDX-License-Identifier: ISC
# Read by cpack for each generator: every package carries the time of its
# sources (CPACK_KUCALC_EPOCH, from configure time), not the time it is made.
if(CPACK_KUCALC_EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_KUCALC_EPOCH})
endif()

# The Debian package takes the program and the Debian component, not
# LICENSE, which its copyright file quotes; the RPM takes a plain install.
# An entry is (build folder; project; component; folder).
if(CPACK_GENERATOR STREQUAL "DEB")
  list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 build)
  set(CPACK_INSTALL_CMAKE_PROJECTS ${build} kucalc kucalc / ${build} kucalc debian /)
endif()
