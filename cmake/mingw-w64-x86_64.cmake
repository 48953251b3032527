# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# Cross-compiles for 64-bit Windows with Debian's mingw-w64. The POSIX thread model is the one
# Qt needs (std::thread and std::mutex); the win32 model lacks them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESSAVUNDO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESSAVUNDO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSAVUNDO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSAVUNDO_MINGW_TRIPLET}-windres)

# Libraries and headers come from the mingw sysroot only, never from the build machine; packages
# are also found where CMAKE_PREFIX_PATH points (the Windows Qt in its cache folder), while the
# Qt host tools (moc, rcc) run from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TESSAVUNDO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
