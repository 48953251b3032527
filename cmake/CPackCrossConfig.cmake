# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# Read by cpack itself when it packages a cross build. dpkg-shlibdeps, which CPack runs, takes
# the architecture whose libraries it resolves from the environment, not from the binary.
set(ENV{DEB_HOST_ARCH} ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
