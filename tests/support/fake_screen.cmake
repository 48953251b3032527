# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# The screen the window's tests give it, for the Linux tests and the Windows ones alike; kept
# with the tests so that nothing installed holds it.
add_library(tessavundo_fake_screen STATIC ${CMAKE_CURRENT_LIST_DIR}/fake_screen_source.cpp)
target_include_directories(tessavundo_fake_screen PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tessavundo_fake_screen PUBLIC tessavundo_screen PRIVATE tessavundo_options)
