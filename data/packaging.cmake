# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by scripts/package with cpack.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondrel)
set(CPACK_PACKAGE_CONTACT "Ondrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sporadic-E monitor for radio amateurs")
set(CPACK_PACKAGE_DESCRIPTION
    "Ondrel reads the ionospheric alert page of the WDC for Ionosphere, Tokyo
(NICT) and shows Fmax, Fmin and Es of the four Japanese ionosonde stations
in a tiny always-on-top window, with a tray icon and desktop notifications
when the Es level rises. ondrel-cli watches the page headless, also as the
systemd user service ondrel-watch.service.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # ondrel_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the SVG icon engine and the history log's SQLite driver as
# plugins, which shlibdeps cannot see; heard calls without a grid are
# placed by the country file (cty.dat) of hamradio-files, read at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite, hamradio-files")
# The grid's station names are Japanese; Qt's own dialogs speak Japanese
# with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# The engine module's directory is compiled in from the install prefix, so
# the package must install under that same prefix (scripts/package uses /usr).
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})

include(CPack)
