# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# The translations, compiled by lrelease into translations/ beside the executable in the build
# tree and installed where the program looks for them: share/tessavundo/translations, or on
# Windows a translations folder beside Tessavundo.exe. Files, not resources: so that AppStream
# and the packages can tell the languages, and a translator can try a new .qm without a build.
# Debian's Qt 6.4 has Qt's LinguistTools CMake package only in qt6-tools-dev, which brings
# Designer, Assistant and libclang along, so the build runs lrelease of qt6-l10n-tools itself.
include(GNUInstallDirs)
find_program(TESSAVUNDO_LRELEASE NAMES lrelease lrelease-qt6
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin REQUIRED)
if(WIN32)
    set(TESSAVUNDO_TRANSLATIONS_DESTINATION translations)
else()
    set(TESSAVUNDO_TRANSLATIONS_DESTINATION ${CMAKE_INSTALL_DATADIR}/tessavundo/translations)
endif()
set(TESSAVUNDO_TRANSLATIONS_BUILD_DIR ${CMAKE_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${TESSAVUNDO_TRANSLATIONS_BUILD_DIR})

# Every tessavundo_<language>.ts is a language, so a new one needs no change here; the template
# tessavundo.ts has no language and is not built.
file(GLOB translation_sources CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/translations/tessavundo_*.ts)
set(TESSAVUNDO_LANGUAGES "")
set(compiled_translations "")
foreach(source IN LISTS translation_sources)
    get_filename_component(name ${source} NAME_WE)
    string(REGEX REPLACE "^tessavundo_" "" language ${name})
    list(APPEND TESSAVUNDO_LANGUAGES ${language})
    set(compiled ${TESSAVUNDO_TRANSLATIONS_BUILD_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${compiled}
                       COMMAND ${TESSAVUNDO_LRELEASE} -silent ${source} -qm ${compiled}
                       DEPENDS ${source} VERBATIM)
    list(APPEND compiled_translations ${compiled})
endforeach()
add_custom_target(tessavundo_translations ALL DEPENDS ${compiled_translations})
install(FILES ${compiled_translations} DESTINATION ${TESSAVUNDO_TRANSLATIONS_DESTINATION})
