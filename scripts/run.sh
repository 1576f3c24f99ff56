#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the programs and starts `elektronik`.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DELEKTRONIK_TESTS=OFF
cmake --build build-release -j"$(nproc)"
exec ./build-release/bin/elektronik
