# SPDX-License-Identifier: ISC
# Packs kucalc-VERSION-win64.zip for cpack's External generator, with the
# staged files in order of name (cpack's ZIP takes the file system's order)
# and SOURCE_DATE_EPOCH's times in UTC (a zip's times are local times).
file(GLOB files RELATIVE "${CPACK_TEMPORARY_DIRECTORY}" "${CPACK_TEMPORARY_DIRECTORY}/*")
list(SORT files)
set(zip "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC
    "${CMAKE_COMMAND}" -E tar cf "${zip}" --format=zip -- ${files}
  WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot pack ${zip}")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${zip}")
