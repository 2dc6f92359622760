# Install rules: `cmake --install` lays the game out as a Linux package does.
#   bin/quarn, bin/wem-server
#   share/quarn/                  resource libraries and the default club files
#   share/applications/, share/icons/hicolor/, share/metainfo/  desktop integration
#   share/man/man6/quarn.6.gz, share/man/man8/wem-server.8.gz
#   share/doc/quarn/              README, licence and copyright of the assets
#   lib/systemd/system/wem-server.service, <sysconf>/wem-server/wem-server.conf
# cmake/Package.cmake makes the Debian packages `quarn` and `wem-server`.
# The installed program finds share/quarn beside ../share and keeps what it
# writes in the user's XDG folders (store/ProgramFolders.h).
include(GNUInstallDirs)

set(QUARN_APP_ID "org.quarn.Quarn")
set(packaging "${PROJECT_SOURCE_DIR}/packaging")
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/packaging")
# Folders made by the install are 755 whatever the umask (as packages want).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# A copy compressed as Debian ships manual pages and changelogs.
function(quarn_gzip source target)
  execute_process(COMMAND gzip -9n -c "${source}" OUTPUT_FILE "${target}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip ${source} failed")
  endif()
endfunction()
# A changed manual page makes the build configure again.
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${packaging}/quarn.6" "${packaging}/wem-server.8")
quarn_gzip("${packaging}/quarn.6" "${CMAKE_BINARY_DIR}/packaging/quarn.6.gz")
quarn_gzip("${packaging}/wem-server.8" "${CMAKE_BINARY_DIR}/packaging/wem-server.8.gz")

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
install(FILES "${CMAKE_BINARY_DIR}/packaging/quarn.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6" COMPONENT quarn)
install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/copyright"
              "${PROJECT_SOURCE_DIR}/LICENSE"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/quarn" COMPONENT quarn)

# The club server, its configuration example and service unit.
install(TARGETS wem-server RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT wem-server)
install(FILES "${CMAKE_BINARY_DIR}/packaging/wem-server.8.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man8"
        COMPONENT wem-server)
# The unit and the configuration example name the prefix installed to.
install(CODE "
  set(SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
  set(BINARY_DIR \"${CMAKE_BINARY_DIR}\")
  set(CONFIGURED_PREFIX \"${CMAKE_INSTALL_PREFIX}\")
  set(CONFIGURED_SYSCONFDIR \"${CMAKE_INSTALL_FULL_SYSCONFDIR}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/InstallService.cmake\")"
  COMPONENT wem-server)

# A copy of the unit naming the build's files, for its check.
set(WEM_SERVER_EXE "${QUARN_SERVER_DIR}/wem-server")
set(WEM_SERVER_CONF "${packaging}/wem-server.conf")
configure_file("${packaging}/wem-server.service.in" "${CMAKE_BINARY_DIR}/packaging/check/wem-server.service" @ONLY)

# Checks of the desktop files and the unit, where their tools are installed.
find_program(QUARN_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(QUARN_APPSTREAMCLI appstreamcli)
find_program(QUARN_SYSTEMD_ANALYZE systemd-analyze)
if(QUARN_DESKTOP_FILE_VALIDATE)
  add_test(NAME packaging_desktop_entry
           COMMAND "${QUARN_DESKTOP_FILE_VALIDATE}" "${packaging}/${QUARN_APP_ID}.desktop")
  set_tests_properties(packaging_desktop_entry PROPERTIES LABELS packaging)
endif()
if(QUARN_APPSTREAMCLI)
  add_test(NAME packaging_metainfo
           COMMAND "${QUARN_APPSTREAMCLI}" validate --no-net
                   "${packaging}/${QUARN_APP_ID}.metainfo.xml")
  set_tests_properties(packaging_metainfo PROPERTIES LABELS packaging)
endif()
if(QUARN_SYSTEMD_ANALYZE)
  add_test(NAME packaging_service_unit
           COMMAND "${QUARN_SYSTEMD_ANALYZE}" verify --man=no
                   "${CMAKE_BINARY_DIR}/packaging/check/wem-server.service")
  set_tests_properties(packaging_service_unit PROPERTIES LABELS packaging)
endif()
# The install itself: every file in its place under a temporary root.
add_test(NAME packaging_install_layout
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DAPP_ID=${QUARN_APP_ID}
                 -DPREFIX=${CMAKE_INSTALL_PREFIX} -DSYSCONF=${CMAKE_INSTALL_FULL_SYSCONFDIR}
                 -P "${PROJECT_SOURCE_DIR}/cmake/CheckInstall.cmake")
set_tests_properties(packaging_install_layout PROPERTIES LABELS packaging)

include("${PROJECT_SOURCE_DIR}/cmake/Package.cmake")

# Everything the install and the packages take, built without the tests:
#   cmake --build build --target quarn-package-files
add_custom_target(quarn-package-files)
set(package_targets quarn wem-server quarn-desktop-icons quarn-club-files)
foreach(file IN LISTS quarn_libraries)
  string(REPLACE "." "_" name "${file}")
  list(APPEND package_targets library_${name})
endforeach()
foreach(target IN LISTS package_targets)
  if(TARGET ${target})
    add_dependencies(quarn-package-files ${target})
  endif()
endforeach()

# Both packages built and checked with lintian, and the game run from its
# package in a temporary root (cpack, lintian and Xvfb: about a minute).
find_program(QUARN_LINTIAN lintian)
if(QUARN_LINTIAN)
  add_test(NAME packaging_deb
           COMMAND "${PROJECT_SOURCE_DIR}/tests/packaging/deb-packages" "${CMAKE_BINARY_DIR}")
  set_tests_properties(packaging_deb PROPERTIES LABELS packaging TIMEOUT 900 RUN_SERIAL ON)
endif()
