# Runs at install time, after the installation folder is in place. An install
# into a folder under /opt is a system install (the package installs into
# /opt/quorvane-stellaform): it also puts the launcher in /usr/bin and the
# menu entry and the icon under /usr/share, where desktops look for them. Any
# other install leaves the installation folder to stand alone.
#
# Expects STELLAFORM_DESKTOP_SOURCE_DIR, STELLAFORM_DESKTOP_BINARY_DIR,
# STELLAFORM_ICON_FOLDER and STELLAFORM_ICON_SIZES.

if(NOT CMAKE_INSTALL_PREFIX MATCHES "^/opt/[^/]+/?$")
    return()
endif()

string(REGEX REPLACE "/$" "" STELLAFORM_SHARED_FOLDER "${CMAKE_INSTALL_PREFIX}")
set(LAUNCHER "${STELLAFORM_DESKTOP_BINARY_DIR}/install/quorvane-stellaform")
include("${STELLAFORM_DESKTOP_SOURCE_DIR}/ConfigureLauncher.cmake")

file(INSTALL "${LAUNCHER}" DESTINATION /usr/bin
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(INSTALL "${STELLAFORM_DESKTOP_SOURCE_DIR}/quorvane-stellaform.desktop" DESTINATION /usr/share/applications)
file(INSTALL "${STELLAFORM_DESKTOP_SOURCE_DIR}/quorvane-stellaform.svg"
     DESTINATION /usr/share/icons/hicolor/scalable/apps)
foreach(size IN LISTS STELLAFORM_ICON_SIZES)
    file(INSTALL "${STELLAFORM_ICON_FOLDER}/${size}x${size}/apps/quorvane-stellaform.png"
         DESTINATION /usr/share/icons/hicolor/${size}x${size}/apps)
endforeach()
