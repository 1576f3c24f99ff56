# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows program carries in itself: its icon, made from the icon's
# hicolor renderings, and a version resource that Explorer shows.
enable_language(RC)
find_program(ELEKTRONIK_ICOTOOL icotool REQUIRED)

# elektronik_windows_resource(<target> <icon name> <description>)
function(elektronik_windows_resource target name description)
    set(sizes 16 32 48 64 128)
    set(renderings)
    foreach(n IN LISTS sizes)
        list(APPEND renderings ${PROJECT_SOURCE_DIR}/assets/icons/hicolor/${n}x${n}/apps/${name}.png)
    endforeach()
    # The largest size stays PNG-compressed inside the icon, as Windows expects.
    set(large ${PROJECT_SOURCE_DIR}/assets/icons/hicolor/256x256/apps/${name}.png)
    set(ELEKTRONIK_RC_ICON ${CMAKE_CURRENT_BINARY_DIR}/${name}.ico)
    add_custom_command(OUTPUT ${ELEKTRONIK_RC_ICON}
        COMMAND ${ELEKTRONIK_ICOTOOL} --create --output=${ELEKTRONIK_RC_ICON} ${renderings} --raw=${large}
        DEPENDS ${renderings} ${large}
        VERBATIM)
    set(ELEKTRONIK_RC_NAME ${name})
    set(ELEKTRONIK_RC_DESCRIPTION ${description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ELEKTRONIK_RC_ICON})
    target_sources(${target} PRIVATE ${rc})
endfunction()
