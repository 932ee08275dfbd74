#!/usr/bin/env bash
# Installs, builds and starts the program from its runnable folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
exec build/bin/Cliente/Oxalde
