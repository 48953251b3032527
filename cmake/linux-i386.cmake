# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# Cross-compiles for Debian's i386 with g++-i686-linux-gnu (make test-arch ARCH=i386).
set(CMAKE_SYSTEM_PROCESSOR i686)
# The package architecture dpkg gives this machine, which the package test expects.
set(TESSAVUNDO_CROSS_DEB_ARCH i386)
set(TESSAVUNDO_CROSS_TRIPLET i686-linux-gnu)
set(TESSAVUNDO_CROSS_MULTIARCH i386-linux-gnu)
set(TESSAVUNDO_CROSS_QEMU qemu-i386)
# qemu computes the x87's 80-bit arithmetic in software, several times slower than the doubles
# of the other targets.
set(TESSAVUNDO_EMULATOR_SLOWDOWN 40)
# So slow that the shade field's path test, all of it, takes about 25 minutes on two cores: it
# renders every 4th of its whole and random positions there (every boundary still).
set(TESSAVUNDO_SWEEP_STRIDE 4)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
