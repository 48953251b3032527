# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT

# The Windows program as a folder that runs from anywhere: Tessavundo.exe, the Qt DLLs it links,
# the plugins Qt loads at run time and the mingw-w64 runtime. `windows_zip` packs the folder,
# `windows_installer` wraps it in an NSIS installer.
set(TESSAVUNDO_WINDOWS_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows-x64)
set(TESSAVUNDO_WINDOWS_STAGE ${CMAKE_BINARY_DIR}/stage/${TESSAVUNDO_WINDOWS_NAME})

install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
# Qt looks for its plugins in folders named by kind beside the executable.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# Qt's own translations of every language the program has, beside the program's: without them
# the standard buttons and the text fields' context menu stay English. The Windows Qt's, or the
# build machine's, which are the same catalogues of the same Qt version.
set(qt_translations ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS})
if(NOT EXISTS ${qt_translations}/qtbase_de.qm)
    set(qt_translations /usr/share/qt6/translations)
endif()
set(TESSAVUNDO_QT_TRANSLATIONS "")
foreach(language IN LISTS TESSAVUNDO_LANGUAGES)
    set(catalogue ${qt_translations}/qtbase_${language}.qm)
    if(NOT EXISTS ${catalogue})
        message(FATAL_ERROR "Qt has no translation ${catalogue} for the language ${language}")
    endif()
    file(COPY ${catalogue} DESTINATION ${TESSAVUNDO_TRANSLATIONS_BUILD_DIR})
    install(FILES ${catalogue} DESTINATION ${TESSAVUNDO_TRANSLATIONS_DESTINATION})
    list(APPEND TESSAVUNDO_QT_TRANSLATIONS ${TESSAVUNDO_TRANSLATIONS_DESTINATION}/qtbase_${language}.qm
                ${TESSAVUNDO_TRANSLATIONS_DESTINATION}/tessavundo_${language}.qm)
endforeach()

# The compiler's own runtime: the C++ library, the unwinder and the POSIX threads.
foreach(runtime_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime_dll}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime_dll} is")
    endif()
    install(FILES ${runtime_path} DESTINATION .)
    get_filename_component(runtime_dir ${runtime_path} DIRECTORY)
    list(APPEND TESSAVUNDO_MINGW_RUNTIME_DIRS ${runtime_dir})
endforeach()
list(REMOVE_DUPLICATES TESSAVUNDO_MINGW_RUNTIME_DIRS)

# The licences of everything the folder holds, in licenses/ beside the program: the program's
# own, Qt's LGPL-3.0 (which builds on the GPL-3.0) with the notices of the libraries built into
# Qt, and the compiler's runtime: libstdc++ and libgcc under the GPL-3.0 with the GCC Runtime
# Library Exception, winpthreads under its own permissive terms. The texts are Debian's, of the
# very packages the DLLs come from; licenses/README.txt says which covers what and where Qt's
# source is.
set(TESSAVUNDO_LICENSE_DIR ${CMAKE_BINARY_DIR}/licenses)
set(gcc_copyright /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright)
set(mingw_copyright /usr/share/doc/mingw-w64-x86-64-dev/copyright)
set(qt_copyright /usr/share/doc/libqt6core6/copyright)
foreach(record /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3
               ${gcc_copyright} ${mingw_copyright} ${qt_copyright})
    if(NOT EXISTS ${record})
        message(FATAL_ERROR "${record} is missing: the Windows package ships it as a licence "
                            "(scripts/install-deps test installs its package)")
    endif()
endforeach()
# The exception stands in the middle of the compiler's copyright record, from its title to the
# end of its last section.
file(READ ${gcc_copyright} gcc_terms)
string(FIND "${gcc_terms}" "GCC RUNTIME LIBRARY EXCEPTION" exception_start)
set(exception_last_words "requirements of the license of GCC.")
string(FIND "${gcc_terms}" "${exception_last_words}" exception_end)
if(exception_start EQUAL -1 OR exception_end LESS exception_start)
    message(FATAL_ERROR "${gcc_copyright} no longer holds the GCC Runtime Library Exception")
endif()
string(LENGTH "${exception_last_words}" last_words_length)
math(EXPR exception_length "${exception_end} - ${exception_start} + ${last_words_length}")
string(SUBSTRING "${gcc_terms}" ${exception_start} ${exception_length} exception_text)
file(WRITE ${TESSAVUNDO_LICENSE_DIR}/GCC-runtime-library-exception-3.1.txt "${exception_text}\n")
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${TESSAVUNDO_LICENSE_DIR}/Tessavundo-MIT.txt COPYONLY)
configure_file(/usr/share/common-licenses/LGPL-3 ${TESSAVUNDO_LICENSE_DIR}/LGPL-3.0.txt COPYONLY)
configure_file(/usr/share/common-licenses/GPL-3 ${TESSAVUNDO_LICENSE_DIR}/GPL-3.0.txt COPYONLY)
configure_file(${qt_copyright} ${TESSAVUNDO_LICENSE_DIR}/Qt-copyright.txt COPYONLY)
configure_file(${gcc_copyright} ${TESSAVUNDO_LICENSE_DIR}/libstdc++-libgcc-copyright.txt COPYONLY)
configure_file(${mingw_copyright} ${TESSAVUNDO_LICENSE_DIR}/winpthreads-copyright.txt COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/installer/licenses-readme.txt.in
               ${TESSAVUNDO_LICENSE_DIR}/README.txt @ONLY)
set(TESSAVUNDO_LICENSE_FILES README.txt Tessavundo-MIT.txt LGPL-3.0.txt GPL-3.0.txt
    Qt-copyright.txt GCC-runtime-library-exception-3.1.txt libstdc++-libgcc-copyright.txt
    winpthreads-copyright.txt)
foreach(file ${TESSAVUNDO_LICENSE_FILES})
    install(FILES ${TESSAVUNDO_LICENSE_DIR}/${file} DESTINATION licenses)
endforeach()

add_custom_target(windows_stage
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/stage
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${TESSAVUNDO_WINDOWS_STAGE}
            --strip
    # The compiler's runtime DLLs come with their debugging symbols.
    COMMAND ${CMAKE_STRIP} --strip-unneeded ${TESSAVUNDO_WINDOWS_STAGE}/libstdc++-6.dll
            ${TESSAVUNDO_WINDOWS_STAGE}/libgcc_s_seh-1.dll
            ${TESSAVUNDO_WINDOWS_STAGE}/libwinpthread-1.dll
    DEPENDS tessavundo
    COMMENT "Gathering the Windows program and its DLLs in ${TESSAVUNDO_WINDOWS_STAGE}"
    VERBATIM)

add_custom_target(windows_zip
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/stage
            ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${TESSAVUNDO_WINDOWS_NAME}.zip
            --format=zip ${TESSAVUNDO_WINDOWS_NAME}
    DEPENDS windows_stage
    COMMENT "Packing ${TESSAVUNDO_WINDOWS_NAME}.zip"
    VERBATIM)

# The uninstaller deletes exactly the files of the folder, named here once.
set(TESSAVUNDO_WINDOWS_FILES ${PROJECT_NAME}.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
    platforms/qwindows.dll styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll
    libwinpthread-1.dll ${TESSAVUNDO_QT_TRANSLATIONS})
foreach(file ${TESSAVUNDO_LICENSE_FILES})
    list(APPEND TESSAVUNDO_WINDOWS_FILES licenses/${file})
endforeach()
set(TESSAVUNDO_UNINSTALL_DELETES "")
foreach(file ${TESSAVUNDO_WINDOWS_FILES})
    string(REPLACE "/" "\\" file ${file})
    string(APPEND TESSAVUNDO_UNINSTALL_DELETES "    Delete \"$INSTDIR\\${file}\"\n")
endforeach()

find_program(MAKENSIS makensis)
set(TESSAVUNDO_INSTALLER ${CMAKE_BINARY_DIR}/${PROJECT_NAME}-${PROJECT_VERSION}-setup.exe)
set(TESSAVUNDO_UNINSTALL_LAUNCHER ${CMAKE_BINARY_DIR}/installer/uninstall.exe)
# The installer closes a running picker by its window: Qt's class for a top-level window with an
# icon, named after Qt's version.
set(TESSAVUNDO_QT_WINDOW_CLASS
    "Qt${Qt6_VERSION_MAJOR}${Qt6_VERSION_MINOR}${Qt6_VERSION_PATCH}QWindowIcon")
configure_file(${PROJECT_SOURCE_DIR}/installer/tessavundo.nsi.in
               ${CMAKE_BINARY_DIR}/tessavundo.nsi @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/installer/uninstall_launcher.nsi.in
               ${CMAKE_BINARY_DIR}/installer/uninstall_launcher.nsi @ONLY)
add_custom_command(OUTPUT ${TESSAVUNDO_UNINSTALL_LAUNCHER}
    COMMAND ${MAKENSIS} -V2 -NOCD ${CMAKE_BINARY_DIR}/installer/uninstall_launcher.nsi
    DEPENDS ${CMAKE_BINARY_DIR}/installer/uninstall_launcher.nsi
            ${PROJECT_SOURCE_DIR}/resources/tessavundo.ico
    COMMENT "Building the uninstaller's launcher"
    VERBATIM)
add_custom_target(windows_installer
    COMMAND ${MAKENSIS} -V2 -NOCD ${CMAKE_BINARY_DIR}/tessavundo.nsi
    DEPENDS windows_stage ${TESSAVUNDO_UNINSTALL_LAUNCHER}
            ${PROJECT_SOURCE_DIR}/installer/install_mode.nsh
            ${PROJECT_SOURCE_DIR}/installer/running_program.nsh
            ${PROJECT_SOURCE_DIR}/installer/shortcut_app_id.nsh
    COMMENT "Building ${PROJECT_NAME}-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
