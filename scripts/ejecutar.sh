#!/usr/bin/env bash
# Installs what the build needs, builds the program, installs it into its own folder outside the
# checkout (OXALDE_CARPETA, by default ~/Oxalde) and starts it there. The user's data lives in
# that folder, so rebuilding or cleaning the checkout never touches it; installing again replaces
# the program, its libraries, the help pages and the reference data, never the user's database.
set -euo pipefail
cd "$(dirname "$0")/.."
carpeta="${OXALDE_CARPETA:-$HOME/Oxalde}"
bash scripts/instalar.sh
# The data of a user who ran the program from the build folder, before it had a folder of its
# own: carried over once, with its journal and its backup, into a folder that has no data yet.
# Every build makes an empty one there, so only a database that was used counts: one holding a
# taxpayer, or with a journal or backups beside it.
antigua=build/bin
usada() {
  [ -f "$antigua/Tablas/731_2Mod.mdb-journal" ] || [ -d "$antigua/Cliente/backups" ] ||
    python3 -c 'import sqlite3, sys
c = sqlite3.connect("file:" + sys.argv[1] + "?mode=ro", uri=True)
sys.exit(0 if c.execute("SELECT count(*) FROM T01_DECLARANTES").fetchone()[0] else 1)' \
      "$antigua/Tablas/731_2Mod.mdb" 2>/dev/null
}
if [ ! -e "$carpeta/Tablas/731_2Mod.mdb" ] && [ -f "$antigua/Tablas/731_2Mod.mdb" ] && usada; then
  mkdir -p "$carpeta/Tablas" "$carpeta/Cliente"
  for f in 731_2Mod.mdb 731_2Mod.mdb-journal; do
    if [ -f "$antigua/Tablas/$f" ]; then cp -p "$antigua/Tablas/$f" "$carpeta/Tablas/"; fi
  done
  if [ -d "$antigua/Cliente/backups" ]; then cp -Rp "$antigua/Cliente/backups" "$carpeta/Cliente/"; fi
  echo "The user database found in $antigua (from runs of the program there) was copied to $carpeta."
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" --target Oxalde crear_bd
cmake --install build --prefix "$carpeta"
echo "The program and your data: $carpeta"
exec "$carpeta/Cliente/Oxalde"
