# SPDX-License-Identifier: ISC
# The Windows layer: kucalc.exe with standard output in binary mode and no
# wildcard expansion (windows/stdout_binary.cpp), a manifest that makes its
# arguments UTF-8, a version resource; and kucalc-VERSION-win64.zip of
# kucalc.exe, README.txt and LICENSE.txt, with Windows line ends.
enable_language(RC)
configure_file(windows/kucalc.manifest.in kucalc.manifest @ONLY)
configure_file(windows/kucalc.rc.in kucalc.rc @ONLY)
set_property(SOURCE ${PROJECT_BINARY_DIR}/kucalc.rc APPEND PROPERTY
  OBJECT_DEPENDS ${PROJECT_BINARY_DIR}/kucalc.manifest)
target_sources(kucalc PRIVATE windows/stdout_binary.cpp ${PROJECT_BINARY_DIR}/kucalc.rc)
install(TARGETS kucalc RUNTIME DESTINATION . COMPONENT kucalc)

configure_file(doc/README-windows.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt
  DESTINATION . COMPONENT kucalc)

# The PE time stamp is the linker's SOURCE_DATE_EPOCH: the same sources
# give the same kucalc.exe.
if(kucalc_epoch)
  set_property(TARGET kucalc PROPERTY CXX_LINKER_LAUNCHER
    ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${kucalc_epoch})
endif()

set(CPACK_SYSTEM_NAME win64)
# The zip holds no folder: Explorer's Extract All makes one, and a second
# inside it would hide kucalc.exe.
set(CPACK_GENERATOR External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/windows/zip.cmake)
include(CPack)
