# The install directory of the suite: the launcher, its Option.ini, and the place where the
# suite's components are installed beside it. /usr/bin gets a link, so the launcher still finds
# its directory through its real path.
include(GNUInstallDirs)

set(KV_APP_ID example.korvalen.Vorerer)
set(KV_SUITE_DIR ${CMAKE_INSTALL_LIBDIR}/korvalen-vorerer)

install(TARGETS korvalen-vorerer RUNTIME DESTINATION ${KV_SUITE_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/Option.ini DESTINATION ${KV_SUITE_DIR})

file(RELATIVE_PATH kv_link_target /${CMAKE_INSTALL_BINDIR} /${KV_SUITE_DIR}/korvalen-vorerer)
file(CREATE_LINK ${kv_link_target} ${CMAKE_BINARY_DIR}/korvalen-vorerer-link SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/korvalen-vorerer-link
  DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME korvalen-vorerer)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${KV_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${KV_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/resources/app_icon.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME korvalen-vorerer.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvalen-vorerer)
set(CPACK_PACKAGE_VENDOR "Tessmere Software, Inc.")
set(CPACK_PACKAGE_CONTACT "Tessmere Software, Inc. <support@korvalen.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "start centre of the Korvalen Vorerer disc tools")
set(CPACK_PACKAGE_DESCRIPTION
  "The start centre shows the suite's disc tools by category and starts the suite's\n\
component for the chosen task, stepping aside while that component is open.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION otherosfs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_STRIP_FILES ON)
include(CPack)
