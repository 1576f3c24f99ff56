# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Who ships the package and where its source is published. A distributor
# sets these three once when configuring the build (README, "For
# distributors"). The defaults are placeholders in the reserved domain
# example.org; cpack refuses to build a package with them unless the build
# is configured as a development build (ELEKTRONIK_DEVELOPMENT_PACKAGE).
set(ELEKTRONIK_MAINTAINER "Elektronik-Projekt <elektronik@example.org>" CACHE STRING
    "Package maintainer as \"Name <address>\": the package's Maintainer field and the changelog's signature")
set(ELEKTRONIK_UPSTREAM_CONTACT "Elektronik-Projekt <elektronik@example.org>" CACHE STRING
    "Upstream-Contact of the package's copyright file, as \"Name <address>\"")
set(ELEKTRONIK_SOURCE_URL "https://example.org/elektronik" CACHE STRING
    "Address of the published source: Source of the copyright file and the package's Homepage")
option(ELEKTRONIK_DEVELOPMENT_PACKAGE
    "Let cpack build a package, for testing only, while the three values above are placeholders" OFF)
set(ELEKTRONIK_PLACEHOLDERS)
foreach(variable IN ITEMS ELEKTRONIK_MAINTAINER ELEKTRONIK_UPSTREAM_CONTACT ELEKTRONIK_SOURCE_URL)
    if("${${variable}}" STREQUAL "" OR "${${variable}}" MATCHES "example\\.org")
        list(APPEND ELEKTRONIK_PLACEHOLDERS ${variable})
    endif()
endforeach()
if(ELEKTRONIK_PLACEHOLDERS)
    list(JOIN ELEKTRONIK_PLACEHOLDERS ", " placeholders)
    message(STATUS "Package metadata still placeholders, which cpack refuses: ${placeholders}")
endif()
# "Über Elektronik" names the version and, once it is a real one, the
# source's address.
set(about_source_url "${ELEKTRONIK_SOURCE_URL}")
if("ELEKTRONIK_SOURCE_URL" IN_LIST ELEKTRONIK_PLACEHOLDERS)
    set(about_source_url "")
endif()
set_property(SOURCE ${PROJECT_SOURCE_DIR}/shell/aboutbox.cpp DIRECTORY ${PROJECT_SOURCE_DIR}/shell APPEND PROPERTY COMPILE_DEFINITIONS
    "ELEKTRONIK_VERSION=\"${PROJECT_VERSION}\"" "ELEKTRONIK_SOURCE_URL=\"${about_source_url}\"")
