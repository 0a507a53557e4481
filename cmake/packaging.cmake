# SPDX-FileCopyrightText: Quillmarsh developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a release build folder (scripts/package does it all).
set(CPACK_PACKAGE_NAME quillmarsh)
set(CPACK_PACKAGE_VENDOR "Quillmarsh developers")
set(CPACK_PACKAGE_CONTACT "Quillmarsh developers <developers@quillmarsh.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timeline editor for illustrated timelines of historical events")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillmarsh keeps a project of historical events, with dates before or after the common era,\n"
    "pictures and the actors, places, sources and keywords they concern, and lays named timelines\n"
    "out of them. Events can be captured from text documents in which it finds the dates.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillmarsh.org/")
# Libraries linked directly are found by dpkg-shlibdeps; what Qt loads as plugins and the fonts the
# program maps old font names to are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, qt6-image-formats-plugins, qt6-qpa-plugins, fonts-dejavu-core, fonts-urw-base35, tex-gyre")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info, desktop-file-utils")
include(CPack)
