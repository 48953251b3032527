# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# Cross-compiles for Debian's arm64 with g++-aarch64-linux-gnu (make test-arch ARCH=arm64).
set(CMAKE_SYSTEM_PROCESSOR aarch64)
# The package architecture dpkg gives this machine, which the package test expects.
set(TESSAVUNDO_CROSS_DEB_ARCH arm64)
set(TESSAVUNDO_CROSS_TRIPLET aarch64-linux-gnu)
set(TESSAVUNDO_CROSS_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
