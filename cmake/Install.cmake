# Install rules: `cmake --install` lays the game out as a Linux package does.
#   bin/quarn, bin/wem-server
#   share/quarn/                  resource libraries and the default club files
#   share/applications/, share/icons/hicolor/, share/metainfo/  desktop integration
#   share/man/man6/quarn.6, share/man/man8/wem-server.8
#   share/doc/quarn/              README, licence and copyright of the assets
#   lib/systemd/system/wem-server.service, <sysconf>/wem-server/wem-server.conf
# The installed program finds share/quarn beside ../share and keeps what it
# writes in the user's XDG folders (store/ProgramFolders.h).
include(GNUInstallDirs)

set(QUARN_APP_ID "org.quarn.Quarn")
set(packaging "${PROJECT_SOURCE_DIR}/packaging")

install(TARGETS quarn RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT quarn)
set(quarn_libraries
  WemCards06A.dll WemCards06B.dll WemCards06C.dll WemBackG03.dll WemCGraph1.dll
  WemCVoice3.dll WemCalendar01.dll WemRadio02.dll)
set(quarn_shared_files Quarn.clb Quarn.net)
foreach(file IN LISTS quarn_libraries quarn_shared_files)
  install(FILES "${QUARN_DIST_DIR}/${file}" DESTINATION "${CMAKE_INSTALL_DATADIR}/quarn"
          COMPONENT quarn)
endforeach()
install(FILES "${packaging}/${QUARN_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications" COMPONENT quarn)
install(FILES "${packaging}/${QUARN_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo" COMPONENT quarn)
install(DIRECTORY "${QUARN_ICON_DIR}/" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor"
        COMPONENT quarn)
install(FILES "${QUARN_ICON_SVG}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        COMPONENT quarn)
install(FILES "${packaging}/quarn.6" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6" COMPONENT quarn)
install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/copyright"
              "${PROJECT_SOURCE_DIR}/LICENSE"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/quarn" COMPONENT quarn)

# The club server, its configuration example and service unit.
install(TARGETS wem-server RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT wem-server)
install(FILES "${packaging}/wem-server.8" DESTINATION "${CMAKE_INSTALL_MANDIR}/man8"
        COMPONENT wem-server)
install(FILES "${packaging}/wem-server.conf"
        DESTINATION "${CMAKE_INSTALL_FULL_SYSCONFDIR}/wem-server" COMPONENT wem-server)

# The unit as installed, and a copy naming the build's files for its check.
set(WEM_SERVER_EXE "${CMAKE_INSTALL_FULL_BINDIR}/wem-server")
set(WEM_SERVER_CONF "${CMAKE_INSTALL_FULL_SYSCONFDIR}/wem-server/wem-server.conf")
configure_file("${packaging}/wem-server.service.in" "${CMAKE_BINARY_DIR}/packaging/wem-server.service" @ONLY)
set(WEM_SERVER_EXE "${QUARN_SERVER_DIR}/wem-server")
set(WEM_SERVER_CONF "${packaging}/wem-server.conf")
configure_file("${packaging}/wem-server.service.in" "${CMAKE_BINARY_DIR}/packaging/check/wem-server.service" @ONLY)
install(FILES "${CMAKE_BINARY_DIR}/packaging/wem-server.service"
        DESTINATION "lib/systemd/system" COMPONENT wem-server)

# Checks of the desktop files and the unit, where their tools are installed.
find_program(QUARN_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(QUARN_APPSTREAMCLI appstreamcli)
find_program(QUARN_SYSTEMD_ANALYZE systemd-analyze)
if(QUARN_DESKTOP_FILE_VALIDATE)
  add_test(NAME packaging_desktop_entry
           COMMAND "${QUARN_DESKTOP_FILE_VALIDATE}" "${packaging}/${QUARN_APP_ID}.desktop")
endif()
if(QUARN_APPSTREAMCLI)
  add_test(NAME packaging_metainfo
           COMMAND "${QUARN_APPSTREAMCLI}" validate --no-net
                   "${packaging}/${QUARN_APP_ID}.metainfo.xml")
endif()
if(QUARN_SYSTEMD_ANALYZE)
  add_test(NAME packaging_service_unit
           COMMAND "${QUARN_SYSTEMD_ANALYZE}" verify --man=no
                   "${CMAKE_BINARY_DIR}/packaging/check/wem-server.service")
endif()
# The install itself: every file in its place under a temporary root.
add_test(NAME packaging_install_layout
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DAPP_ID=${QUARN_APP_ID}
                 -DPREFIX=${CMAKE_INSTALL_PREFIX} -DSYSCONF=${CMAKE_INSTALL_FULL_SYSCONFDIR}
                 -P "${PROJECT_SOURCE_DIR}/cmake/CheckInstall.cmake")
