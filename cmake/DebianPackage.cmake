# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# `make package` builds a Debian package of the installed files (resources/CMakeLists.txt).
set(TESSAVUNDO_MAINTAINER "The Tessavundo developers <tessavundo@users.noreply.github.com>")

# What Debian asks of every package besides the program: the licence in the machine-readable
# copyright format and the changelog, compressed as dpkg does (maximum, without a timestamp).
include(GNUInstallDirs)
if(UNIX)
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tessavundo)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog
                   ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog COPYONLY)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
                       COMMAND gzip -9nkf changelog
                       DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/debian VERBATIM)
    add_custom_target(debian_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright
                  ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
            DESTINATION ${doc_dir})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessavundo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessavundo developers")
set(CPACK_PACKAGE_CONTACT ${TESSAVUNDO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSAVUNDO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small, fast color picker")
# Lines under 80 columns, as dpkg and apt show them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tessavundo picks a color on a shade field and a rainbow bar, from typed rgb\n"
    "or hex text, or from any pixel on the screen with its eyedropper, and copies\n"
    "it as rgb text or as #RRGGBB hex text. Six swatches keep the colors copied\n"
    "last.")
list(JOIN CPACK_DEBIAN_PACKAGE_DESCRIPTION "" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries the program links come from dpkg-shlibdeps. Qt loads its platform plugins at run
# time, so no linker dependency names them, and libqt6gui6 only recommends them. The entry
# fields are laid out for an Arial-metric font, which fonts-liberation provides.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own translations give the standard buttons the language of the window.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# The architecture is the target's, as dpkg names it: a cross build asks dpkg-architecture for the
# name of the compiler's GNU triplet (aarch64-linux-gnu is arm64, i686-linux-gnu i386), a native
# one leaves CPack to ask dpkg --print-architecture.
if(CMAKE_CROSSCOMPILING)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
                    OUTPUT_VARIABLE target_triplet OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND dpkg-architecture -t ${target_triplet} -q DEB_HOST_ARCH
                    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    # The libraries the program links are the target's, from the sysroot: dpkg-shlibdeps finds
    # them in its library folders, their versions in the symbols files scripts/cross-sysroot
    # keeps beside them, and it must look for the target's architecture (CPackCrossConfig.cmake).
    # Left to this machine's libraries, it would fail, or name x86-64 packages.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
        ${TESSAVUNDO_CROSS_SYSROOT}/usr/lib/${TESSAVUNDO_CROSS_MULTIARCH}
        ${TESSAVUNDO_CROSS_SYSROOT}/lib/${TESSAVUNDO_CROSS_MULTIARCH})
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackCrossConfig.cmake)
endif()
include(CPack)
