# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian's hardening link flags, as dpkg-buildflags gives them: the loader
# resolves every symbol at start and then makes the relocations read-only,
# so that a stray write cannot redirect a call into a library.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
