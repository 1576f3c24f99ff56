# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The test build runs with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report ends the process, so a report fails its test.
if(ELEKTRONIK_SANITIZE)
    if(MSVC)
        add_compile_options(/fsanitize=address)
    else()
        set(_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
        add_compile_options(${_sanitizers})
        add_link_options(${_sanitizers})
    endif()
endif()
