# SPDX-FileCopyrightText: Quillmarsh developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a release build folder (scripts/package does it all).
set(CPACK_PACKAGE_NAME quillmarsh)
set(CPACK_PACKAGE_VENDOR "Quillmarsh developers")
set(CPACK_PACKAGE_CONTACT "Quillmarsh developers <developers@quillmarsh.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timeline editor for illustrated timelines of historical events")
# Lines of the long description stay within 80 columns (lintian's limit).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillmarsh keeps a project of historical events, with dates before or\n"
    "after the common era, pictures and the actors, places, sources and\n"
    "keywords they concern, and lays named timelines out of them. Events can\n"
    "be captured from text documents in which it finds the dates.")
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

# What Debian asks of every package: the copyright file, the changelog and a manual page for each
# program, the pages made from the programs' own --help text.
set(QM_DOC_DIR share/doc/quillmarsh)
file(STRINGS ${PROJECT_SOURCE_DIR}/data/debian/changelog QM_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT QM_CHANGELOG_TOP MATCHES "^quillmarsh \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "data/debian/changelog has no entry for version ${PROJECT_VERSION}")
endif()
set(QM_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${QM_CHANGELOG_GZ}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/debian/changelog ${CMAKE_BINARY_DIR}/debian/changelog
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/debian/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog
    VERBATIM)
set(QM_DEBIAN_FILES ${QM_CHANGELOG_GZ})
find_program(HELP2MAN help2man)
if(HELP2MAN)
    foreach(program IN ITEMS quillmarsh qmtool)
        if(program STREQUAL "quillmarsh")
            set(summary "editor of illustrated timelines of historical events")
        else()
            set(summary "read and change Quillmarsh timeline projects from a terminal")
        endif()
        set(page ${CMAKE_BINARY_DIR}/debian/${program}.1)
        add_custom_command(OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
            COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
                    ${HELP2MAN} --no-info --no-discard-stderr --section=1 --name=${summary}
                    --output=${page} $<TARGET_FILE:${program}>
            COMMAND gzip -9nf ${page}
            DEPENDS ${program}
            VERBATIM)
        list(APPEND QM_DEBIAN_FILES ${page}.gz)
        install(FILES ${page}.gz DESTINATION share/man/man1)
    endforeach()
else()
    message(STATUS "help2man is missing: no manual pages (scripts/deps package installs it)")
endif()
add_custom_target(qm_debian_files ALL DEPENDS ${QM_DEBIAN_FILES})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${QM_CHANGELOG_GZ} DESTINATION ${QM_DOC_DIR})

include(CPack)
