# Installs the build into a temporary root (DESTDIR) and checks that every
# file the packages need is in its place.
# cmake -DBUILD_DIR=... -DAPP_ID=... -DPREFIX=... -DSYSCONF=... -P CheckInstall.cmake
set(root "${BUILD_DIR}/install-check")
file(REMOVE_RECURSE "${root}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install "${BUILD_DIR}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(prefix "${root}${PREFIX}")
set(expected
  "${prefix}/bin/quarn"
  "${prefix}/bin/wem-server"
  "${prefix}/share/quarn/Quarn.clb"
  "${prefix}/share/quarn/Quarn.net"
  "${prefix}/share/applications/${APP_ID}.desktop"
  "${prefix}/share/metainfo/${APP_ID}.metainfo.xml"
  "${prefix}/share/icons/hicolor/scalable/apps/${APP_ID}.svg"
  "${prefix}/share/man/man6/quarn.6.gz"
  "${prefix}/share/man/man8/wem-server.8.gz"
  "${prefix}/share/doc/quarn/copyright"
  "${prefix}/share/doc/quarn/LICENSE"
  "${prefix}/share/doc/wem-server/copyright"
  "${prefix}/lib/systemd/system/wem-server.service"
  "${root}${SYSCONF}/wem-server/wem-server.conf")
foreach(library WemCards06A WemCards06B WemCards06C WemBackG03 WemCGraph1 WemCVoice3
                WemCalendar01 WemRadio02)
  list(APPEND expected "${prefix}/share/quarn/${library}.dll")
endforeach()
foreach(size 16 32 48 64 128 256)
  list(APPEND expected "${prefix}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
endforeach()

set(missing "")
foreach(file IN LISTS expected)
  if(NOT EXISTS "${file}")
    list(APPEND missing "${file}")
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " text)
  message(FATAL_ERROR "missing after the install:\n  ${text}")
endif()

# The unit starts the installed server with the installed configuration.
file(READ "${prefix}/lib/systemd/system/wem-server.service" unit)
if(NOT unit MATCHES "ExecStart=${PREFIX}/bin/wem-server --config ${SYSCONF}/wem-server/wem-server.conf")
  message(FATAL_ERROR "the unit does not start the installed server:\n${unit}")
endif()
file(REMOVE_RECURSE "${root}")
