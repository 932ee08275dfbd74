#!/usr/bin/env bash
# Installs, builds and starts the program from its runnable folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -x build/bin/Cliente/Oxalde ]; then
  exec build/bin/Cliente/Oxalde
else
  echo "The program is not built yet: the library and the databases are in build/bin." >&2
fi
