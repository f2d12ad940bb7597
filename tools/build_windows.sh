#!/usr/bin/env bash
# Installs what is missing and builds Vodari.exe for Windows with the demo
# driver that sets up scenes for screenshots. Used by the run and screenshot
# scripts.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 2)" --target Vodari vodari_demo_driver
