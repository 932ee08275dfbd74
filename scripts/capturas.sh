#!/usr/bin/env bash
# Pictures of the two editors (every tab of each kind in both languages), the declarations window
# and the print dialog, in both languages, written as PNG files to the folder given (default
# build/capturas) for a person to look at. The editors' pictures check nothing, so the test run
# leaves them out; this installs, builds the program's tests and runs only those that take them.
set -euo pipefail
cd "$(dirname "$0")/.."
carpeta="$(realpath -m "${1:-build/capturas}")"
mkdir -p "$carpeta"
bash scripts/instalar.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" --target pruebas_cliente
OXALDE_CAPTURAS="$carpeta" QT_QPA_PLATFORM=offscreen build/pruebas/pruebas_cliente --gtest_also_run_disabled_tests \
  --gtest_filter='*.DISABLED_Capturas:Declaraciones.ImportesDeTreceYDieciseisCifrasExactosYEnterosEnSuColumna:Dialogo.AspectoEnAmbosIdiomas'
echo "Pictures in $carpeta"
