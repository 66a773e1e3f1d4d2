# The Debian package: `cmake --build build --target package` writes
# build/varnex-driver_<version>_<arch>.deb from the install rules.
#
# The version is the project's own; shared-library dependencies come from
# dpkg-shlibdeps, and the packages the program only opens at run time (the
# QML modules of the settings window, the fonts it draws with) are listed here.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnex-driver)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Varnex")
set(CPACK_PACKAGE_CONTACT "Varnex driver developers <driver@varnex.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Installed with the prefix /usr into a staging root (DESTDIR), so the one
# entry outside /usr, the login entry in /etc/xdg/autostart, lands in the
# package and not on the building machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://varnex.example/")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "driver and settings window for Varnex pen tablets
Reads Varnex pen tablets and pen displays (nineteen models, from the
K10PlusV2 to the Fjord5pro) through their vendor interface and turns the
pen into a virtual tablet with exact pressure and tilt, mapped onto the
screen area you choose. Pen buttons, express keys and the dial run the
shortcuts you choose, for every program or per program.
.
The settings window sits in the system tray and starts at login. The
package also carries the udev rules that give the user at the seat
access to the tablet and to /dev/uinput, firmware upgrade and check
tools, and a replay tool for captured tablet reports.")

set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the settings window loads at run time: its QML modules and the fonts
# that carry Chinese, Japanese, Korean and Cyrillic text.
set(varnex_runtime_depends
  qml-module-qtquick2
  qml-module-qtquick-window2
  qml-module-qtquick-controls2
  qml-module-qtquick-layouts
  qml-module-qtquick-dialogs
  qml-module-qt-labs-platform
  qml-module-qtgraphicaleffects
  fonts-noto-cjk)
list(JOIN varnex_runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# kmod loads uinput when the package is installed; udev applies the rules;
# qtwayland5 lets the window and the tray run natively in a Wayland session
# instead of through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "kmod, udev, qtwayland5")

set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${CMAKE_SOURCE_DIR}/packaging/debian/postinst
  ${CMAKE_SOURCE_DIR}/packaging/debian/postrm
  ${CMAKE_SOURCE_DIR}/packaging/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
