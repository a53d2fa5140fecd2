# SPDX-License-Identifier: ISC
# Read by cpack for each generator: what differs between DEB and RPM.

# The RPM leaves out the lintian overrides, which are Debian's alone. An
# entry is (build folder; project; component; folder): ALL becomes kucalc.
if(CPACK_GENERATOR STREQUAL "RPM")
  list(REMOVE_AT CPACK_INSTALL_CMAKE_PROJECTS 2)
  list(INSERT CPACK_INSTALL_CMAKE_PROJECTS 2 kucalc)
endif()
