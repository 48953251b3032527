# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# Cross-compiles for Debian's i386 with g++-i686-linux-gnu (make test-arch ARCH=i386).
set(CMAKE_SYSTEM_PROCESSOR i686)
# The package architecture dpkg gives this machine, which the package test expects.
set(TESSAVUNDO_CROSS_DEB_ARCH i386)
set(TESSAVUNDO_CROSS_TRIPLET i686-linux-gnu)
set(TESSAVUNDO_CROSS_QEMU qemu-i386)
# qemu computes the x87's 80-bit arithmetic in software, several times slower than the doubles
# of the other targets.
set(TESSAVUNDO_EMULATOR_SLOWDOWN 40)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
