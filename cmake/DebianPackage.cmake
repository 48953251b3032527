# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# `make package` builds a Debian package of the installed files (resources/CMakeLists.txt).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessavundo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessavundo developers")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tessavundo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small, fast color picker")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tessavundo picks a color on a shade field and a rainbow bar, from typed rgb or hex text,\n"
    "or from any pixel on the screen with its eyedropper, and copies it as rgb(r,g,b) or\n"
    "#RRGGBB text. Six swatches keep the colors copied last.")
list(JOIN CPACK_DEBIAN_PACKAGE_DESCRIPTION "" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries the program links come from dpkg-shlibdeps. Qt loads its platform plugins at run
# time, so no linker dependency names them, and libqt6gui6 only recommends them. The entry
# fields are laid out for an Arial-metric font, which fonts-liberation provides.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_STRIP_FILES ON)
include(CPack)
