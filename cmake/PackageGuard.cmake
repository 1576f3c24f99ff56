# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack before it builds a package (CPACK_PROJECT_CONFIG_FILE in
# cmake/Install.cmake). A package for users must name its real maintainer
# and addresses, so the placeholders pass only in a development build.
if(CPACK_ELEKTRONIK_PLACEHOLDERS AND NOT CPACK_ELEKTRONIK_DEVELOPMENT_PACKAGE)
    list(JOIN CPACK_ELEKTRONIK_PLACEHOLDERS ", " placeholders)
    message(FATAL_ERROR "Package metadata still placeholders: ${placeholders}. "
        "Set each with -D<name>=<value> when configuring the build (README, \"For distributors\"), "
        "or configure with -DELEKTRONIK_DEVELOPMENT_PACKAGE=ON for a package only to test.")
endif()
