# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# With fuzzing on, everything is built with libFuzzer's coverage
# instrumentation so the fuzz targets can link the ordinary libraries.
# Every program links the flag too: it brings the runtime that defines what
# the instrumentation refers to (__sancov_lowest_stack), which otherwise
# only the sanitizers' runtime would bring.
if(ELEKTRONIK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "ELEKTRONIK_FUZZ needs clang")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
    add_link_options(-fsanitize=fuzzer-no-link)
endif()
