# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by `cpack -G DEB` in a build of the `paket` preset (Release,
# dpkg-buildflags' hardening, prefix /usr): what the install rules put below the prefix,
# binaries stripped, dependencies from dpkg-shlibdeps plus what no library names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brovanit)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Latin vocabulary trainer for German-speaking pupils")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvia 2003 shows and queries a Latin course of 1583 words and 498 sets of
principal parts in 50 lessons: German to Latin, Latin to German and principal
parts, in strict or lenient checking. Words and principal parts the pupil did
not know are kept in lists of their own to be practised again, runs of right
answers earn praise in Latin, and every query ends with a rating.

The program and its help are in German. Every user gets a working folder of
their own for the lists and settings.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brovanit <quorvia@brovanit.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# dpkg-shlibdeps finds the libraries the programs link; nothing links the platform plugin
# (without it no window opens) nor Qt's German translations, which the program loads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")

set(CPACK_STRIP_FILES ON)
# Installed with DESTDIR below the real prefix, so that the desktop entry names
# /usr/bin/quorvia-starten and not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
