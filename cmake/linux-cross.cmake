# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# The part every Linux cross build shares; linux-<arch>.cmake sets the processor, the GNU triplet
# and the qemu-user emulator, then includes this. Debian's cross compilers and their libraries
# live under /usr/<triplet>; the tests run under qemu-user with that folder as the target's root,
# so binfmt_misc need not be set up.
set(CMAKE_SYSTEM_NAME Linux)
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
