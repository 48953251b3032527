# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# The Debian package's check, for the test build and for a cross build of the package alone
# (make package-arch), which has no test build of its target. A cross build gives the target's
# architecture and the root of its packages.
add_test(NAME debian_package_test
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/debian_package_test.sh ${CMAKE_BINARY_DIR}
                 ${TESSAVUNDO_APP_ID} ${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}
                 ${TESSAVUNDO_CROSS_DEB_ARCH} ${TESSAVUNDO_CROSS_SYSROOT})
# CPack first brings the whole build up to date (make preinstall); alone, it cannot relink a test
# program while that program runs.
set_tests_properties(debian_package_test PROPERTIES LABELS package TIMEOUT 120 RUN_SERIAL TRUE)
