#!/usr/bin/env bash
# Installs what the build needs, builds the program, installs it into its own folder outside the
# checkout (OXALDE_CARPETA, by default ~/Oxalde) and starts it there. The user's data lives in
# that folder, so rebuilding or cleaning the checkout never touches it; installing again replaces
# the program, its libraries, the help pages and the reference data, never the user's database.
set -euo pipefail
cd "$(dirname "$0")/.."
carpeta="${OXALDE_CARPETA:-$HOME/Oxalde}"
bash scripts/instalar.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target Oxalde crear_bd
cmake --install build --prefix "$carpeta"
echo "The program and your data: $carpeta"
exec "$carpeta/Cliente/Oxalde"
