# The Windows release: a ZIP and an NSIS installer with both programs. The
# simulated board goes into simulator/, never beside the programs, so that it
# cannot shadow the maker's library by accident.
install(TARGETS portpanel portcheck RUNTIME DESTINATION .)
install(TARGETS QorvelIo RUNTIME DESTINATION simulator)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/README.txt DESTINATION .)

set(CPACK_PACKAGE_NAME "QorvelTools")
set(CPACK_PACKAGE_VENDOR "Qorvel board tools")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "portpanel and portcheck for the Qorvel USB digital I/O board")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "QorvelTools-${PROJECT_VERSION}-win32")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "QorvelTools")
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_NSIS_DISPLAY_NAME "Qorvel board tools ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME "Qorvel board tools")
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/pictures/portpanel.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/pictures/portpanel.ico)
set(CPACK_PACKAGE_EXECUTABLES portpanel "portpanel" portcheck "portcheck")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
