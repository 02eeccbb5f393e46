# The Win32 layer and faximport.exe. Included from the top-level list when
# building for Windows.
enable_language(RC)

# The Windows the program is made for, stated once: Windows 7 (0x0601), the
# oldest system the manifest names, and every later one. Every target that
# includes windows.h links this, the test programs and their helpers too.
add_library(faximport_windows INTERFACE)
target_compile_definitions(faximport_windows INTERFACE
    STRICT
    WIN32_LEAN_AND_MEAN
    NOMINMAX
    _WIN32_WINNT=0x0601
    WINVER=0x0601
)

# The layers of the Win32 code, one library each (scripts/check-layers.sh
# keeps their includes in order): our small dialog framework; the pieces the
# dialogs of every source share; and above them the sources' dialogs, the
# address books, the session's dialogs and the platform services. Test
# programs link faximport_win32 and faximport_resources to drive the real
# dialogs in-process.
add_library(faximport_framework STATIC
    framework/application.cpp
    framework/dialog.cpp
    framework/help_viewer.cpp
    framework/library_loading.cpp
    framework/list_box.cpp
    framework/retired_lists.cpp
    framework/message_box.cpp
    framework/wide_text.cpp
    framework/window.cpp
)
target_include_directories(faximport_framework PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(faximport_framework PUBLIC faximport_windows comctl32 user32 gdi32 advapi32)

add_library(faximport_ui STATIC
    ui/progress_dlg.cpp
    ui/recipient_list_box.cpp
    ui/two_list_select_dlg.cpp
)
target_link_libraries(faximport_ui PUBLIC faximport_framework faximport_core)

add_library(faximport_win32 STATIC
    app/win32/emergency_hand_back.cpp
    app/win32/import_app.cpp
    app/win32/source_file_chooser.cpp
    app/win32/win32_ansi_code_page.cpp
    app/win32/win32_directory_service.cpp
    app/win32/host_window.cpp
    app/win32/win32_file_system.cpp
    app/win32/win32_session_platform.cpp
    csv/win32/csv_select_dlg.cpp
    csv/win32/field_map_dlg.cpp
    csv/win32/win32_csv_dialogs.cpp
    dialogs/win32/confirm_dlg.cpp
    dialogs/win32/data_type_dlg.cpp
)
target_link_libraries(faximport_win32 PUBLIC faximport_ui comdlg32)

# Templates, string table, icon, version and manifest. The version resource
# and the manifest take the project version; the manifest also names the
# processor architecture of this build.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(FAXIMPORT_PROCESSOR_ARCHITECTURE amd64)
else()
    set(FAXIMPORT_PROCESSOR_ARCHITECTURE x86)
endif()
set(generated_res ${CMAKE_BINARY_DIR}/generated)
configure_file(res/faximport.manifest.in ${generated_res}/faximport.manifest @ONLY)
add_library(faximport_resources OBJECT res/faximport.rc)
target_include_directories(faximport_resources PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/res ${generated_res})
set_source_files_properties(res/faximport.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/res/resource.h;${generated_res}/faximport_version.h;${CMAKE_CURRENT_SOURCE_DIR}/res/faximport.ico;${generated_res}/faximport.manifest"
)

# The GUI program: WIN32 makes it a GUI-subsystem executable (-mwindows).
add_executable(faximport WIN32 app/win32/app_object.cpp)
target_link_libraries(faximport PRIVATE faximport_resources faximport_win32)
set_target_properties(faximport PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Speed-dial selection and record dialogs.
target_sources(faximport_win32 PRIVATE
    speeddial/win32/speed_dial_record_dlg.cpp
    speeddial/win32/speed_dial_select_dlg.cpp
    speeddial/win32/win32_speed_dial_dialogs.cpp
)

# MAPI and WAB address books, loaded at run time: neither library is linked.
target_sources(faximport_win32 PRIVATE
    addrbook/win32/address_book_probes.cpp
    addrbook/win32/mapi_address_book.cpp
    addrbook/win32/outlook_bitness.cpp
    addrbook/win32/property_values.cpp
    addrbook/win32/session_memory.cpp
    addrbook/win32/win32_address_book_source.cpp
)

# The company directory through wldap32, a part of every Windows.
target_sources(faximport_win32 PRIVATE
    directory/win32/ldap_directory.cpp
    directory/win32/registry_directory_settings.cpp
    directory/win32/sign_in_dlg.cpp
)
target_link_libraries(faximport_win32 PUBLIC wldap32)

# The help, faximport.chm beside faximport.exe, compiled by chmcmd (Debian's
# fp-utils) from a copy of help/ in the build tree, once every page the help
# project names has been found there.
find_program(FAXIMPORT_CHMCMD chmcmd REQUIRED)
set(FAXIMPORT_HELP_FILE ${CMAKE_BINARY_DIR}/faximport.chm)
set(help_build ${CMAKE_BINARY_DIR}/help)
file(GLOB_RECURSE help_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)
add_custom_command(OUTPUT ${FAXIMPORT_HELP_FILE}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_build}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/help ${help_build}
    COMMAND ${CMAKE_COMMAND} -DHELP_DIR=${help_build} -P ${PROJECT_SOURCE_DIR}/cmake/CheckHelpPages.cmake
    COMMAND ${CMAKE_COMMAND} -E chdir ${help_build} ${FAXIMPORT_CHMCMD} faximport.hhp
    COMMAND ${CMAKE_COMMAND} -E copy ${help_build}/faximport.chm ${FAXIMPORT_HELP_FILE}
    DEPENDS ${help_sources} ${PROJECT_SOURCE_DIR}/cmake/CheckHelpPages.cmake
    COMMENT "Compiling the help, faximport.chm"
    VERBATIM)
add_custom_target(faximport_help ALL DEPENDS ${FAXIMPORT_HELP_FILE})

# Programs that start faximport.exe from their own folder (the end-to-end
# tests, the demo, the Wine benchmark) get a copy there, renewed whenever
# faximport.exe is rebuilt.
function(faximport_copy_program_beside target)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/faximport.exe)
    set(help_copy ${CMAKE_CURRENT_BINARY_DIR}/faximport.chm)
    add_custom_command(OUTPUT ${copy} ${help_copy}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:faximport> ${copy}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${FAXIMPORT_HELP_FILE} ${help_copy}
        DEPENDS faximport ${FAXIMPORT_HELP_FILE}
        COMMENT "Copying faximport.exe and its help beside ${target}")
    add_custom_target(${target}_program ALL DEPENDS ${copy} ${help_copy})
    # The help is made in the top folder: a file made there is found here only
    # once its target has run, which building one test program alone needs.
    add_dependencies(${target}_program faximport_help)
    add_dependencies(${target} ${target}_program)
endfunction()
