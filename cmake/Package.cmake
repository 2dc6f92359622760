# Debian packages with CPack: `quarn` (the game) and `wem-server` (the club
# server), one per install component, for the prefix /usr whatever the build
# was configured with. Their dependencies come from the binaries
# (dpkg-shlibdeps); each carries the copyright file and a changelog in
# share/doc/<package>/, and its manual pages compressed, as Debian asks.
#   cpack --config <build>/CPackConfig.cmake -B <output folder>
set(QUARN_MAINTAINER "Quarn developers <quarn@quarn.org>")
set(QUARN_DEB_RELEASE 1)
set(generated "${CMAKE_BINARY_DIR}/packaging/deb")

string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
foreach(package quarn wem-server)
  file(MAKE_DIRECTORY "${generated}/${package}")
  file(WRITE "${generated}/${package}/changelog.Debian"
       "${package} (${PROJECT_VERSION}-${QUARN_DEB_RELEASE}) unstable; urgency=medium\n\n"
       "  * Built from the Quarn source tree with CPack.\n\n"
       " -- ${QUARN_MAINTAINER}  ${changelog_date}\n")
  quarn_gzip("${generated}/${package}/changelog.Debian" "${generated}/${package}/changelog.Debian.gz")
  install(FILES "${generated}/${package}/changelog.Debian.gz"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${package}" COMPONENT ${package})
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/copyright"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/wem-server" COMPONENT wem-server)
# The configuration example is the package's conffile.
file(WRITE "${generated}/wem-server/conffiles" "/etc/wem-server/wem-server.conf\n")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarn)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${QUARN_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr) # the prefix installed to through DESTDIR
# Installs through DESTDIR, so the files under /etc land in the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL quarn wem-server)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUARN_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quarn.org/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)

set(CPACK_DEBIAN_QUARN_PACKAGE_NAME quarn)
set(CPACK_DEBIAN_QUARN_PACKAGE_SECTION misc)
string(CONCAT CPACK_COMPONENT_QUARN_DESCRIPTION
    "card game for four seats with a 36-card deck\n"
    "Quarn is a shedding card game for four seats played with a 36-card deck:\n"
    "the nines open the rows and every seat adds the next card of a suit. Play\n"
    "against three computer opponents, with friends on a local network, or in\n"
    "the online tournament of a club server.")
set(CPACK_DEBIAN_WEM-SERVER_PACKAGE_NAME wem-server)
set(CPACK_DEBIAN_WEM-SERVER_PACKAGE_SECTION net)
set(CPACK_DEBIAN_WEM-SERVER_PACKAGE_CONTROL_EXTRA "${generated}/wem-server/conffiles")
string(CONCAT CPACK_COMPONENT_WEM-SERVER_DESCRIPTION
    "club server for the Quarn card game\n"
    "wem-server runs the online side of Quarn for a club: accounts, world lists\n"
    "and chat, statistics, the tournament tables and their game server, and the\n"
    "pages, photos, downloads, songs and radio streams the game fetches. It\n"
    "comes with a systemd unit and a configuration file.")
include(CPack)
