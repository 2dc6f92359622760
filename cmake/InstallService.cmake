# Runs at install time: installs wem-server's unit and configuration example
# for the prefix being installed to, which CPack sets to the package's /usr
# even when the build was configured for another prefix.
# Set by the install rule: SOURCE_DIR, BINARY_DIR, CONFIGURED_PREFIX,
# CONFIGURED_SYSCONFDIR.
set(prefix "${CMAKE_INSTALL_PREFIX}")
if(prefix STREQUAL CONFIGURED_PREFIX)
  set(sysconf "${CONFIGURED_SYSCONFDIR}")
elseif(prefix STREQUAL "/usr")
  set(sysconf "/etc") # as GNUInstallDirs chooses for /usr
else()
  set(sysconf "${prefix}/etc")
endif()

set(WEM_SERVER_EXE "${prefix}/bin/wem-server")
set(WEM_SERVER_CONF "${sysconf}/wem-server/wem-server.conf")
set(unit "${BINARY_DIR}/packaging/install/wem-server.service")
configure_file("${SOURCE_DIR}/packaging/wem-server.service.in" "${unit}" @ONLY)
file(INSTALL "${unit}" DESTINATION "${prefix}/lib/systemd/system"
     PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(INSTALL "${SOURCE_DIR}/packaging/wem-server.conf" DESTINATION "${sysconf}/wem-server"
     PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
