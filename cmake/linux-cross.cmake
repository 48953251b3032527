# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# The part every Linux cross build shares; linux-<arch>.cmake sets the processor, the GNU triplet
# and the qemu-user emulator, then includes this. Debian's cross compilers and their libraries
# live under /usr/<triplet>; the tests run under qemu-user with that folder as the target's root,
# so binfmt_misc need not be set up.
set(CMAKE_SYSTEM_NAME Linux)
# Debian's folder of the target's libraries, named after the triplet but for i386.
if(NOT TESSAVUNDO_CROSS_MULTIARCH)
    set(TESSAVUNDO_CROSS_MULTIARCH ${TESSAVUNDO_CROSS_TRIPLET})
endif()
set(CMAKE_C_COMPILER ${TESSAVUNDO_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TESSAVUNDO_CROSS_TRIPLET}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSAVUNDO_CROSS_QEMU} -L /usr/${TESSAVUNDO_CROSS_TRIPLET})
# How many times the tests' time limits are stretched under the emulator.
if(NOT TESSAVUNDO_EMULATOR_SLOWDOWN)
    set(TESSAVUNDO_EMULATOR_SLOWDOWN 10)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${TESSAVUNDO_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The window's tests (make test-arch) also need the target's Qt and X libraries: Debian's packages
# of that architecture unpacked into a root of their own by scripts/cross-sysroot. Qt's moc, rcc
# and uic are the host's.
set(TESSAVUNDO_CROSS_SYSROOT "" CACHE PATH "Root of the target's Qt (scripts/cross-sysroot)")
if(TESSAVUNDO_CROSS_SYSROOT)
    set(CMAKE_LIBRARY_ARCHITECTURE ${TESSAVUNDO_CROSS_MULTIARCH})
    list(APPEND CMAKE_FIND_ROOT_PATH ${TESSAVUNDO_CROSS_SYSROOT})
    set(sysroot_libs ${TESSAVUNDO_CROSS_SYSROOT}/usr/lib/${TESSAVUNDO_CROSS_MULTIARCH})
    # The libraries' own dependencies are found where the linker looks for them. A link option
    # rather than the linker flags' initial value, which a preset's flags (the package's
    # hardening) would replace.
    add_link_options(
        "-Wl,-rpath-link,${sysroot_libs}:${TESSAVUNDO_CROSS_SYSROOT}/lib/${TESSAVUNDO_CROSS_MULTIARCH}")
    set(ENV{PKG_CONFIG_SYSROOT_DIR} ${TESSAVUNDO_CROSS_SYSROOT})
    set(ENV{PKG_CONFIG_LIBDIR}
        "${sysroot_libs}/pkgconfig:${TESSAVUNDO_CROSS_SYSROOT}/usr/share/pkgconfig")
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
    # The root holds the target's C library and loader too, and Qt's plugins under the paths
    # Qt was built for, which qemu-user maps into it.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSAVUNDO_CROSS_QEMU} -L ${TESSAVUNDO_CROSS_SYSROOT})
endif()
