# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# Cross-compiles for Debian's s390x with g++-s390x-linux-gnu (make test-arch ARCH=s390x).
set(CMAKE_SYSTEM_PROCESSOR s390x)
# The package architecture dpkg gives this machine, which the package test expects.
set(TESSAVUNDO_CROSS_DEB_ARCH s390x)
set(TESSAVUNDO_CROSS_TRIPLET s390x-linux-gnu)
set(TESSAVUNDO_CROSS_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
