#!/usr/bin/env bash
# Soak run of the crash test, outside CI: a process saving, rewriting and deleting taxpayers and
# declarations is killed at random moments (300 times, or the number given), then one importing an
# exchange file (a third as many times), and the database is checked after each kill. Prints the
# kills and the violations; fails on any violation.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" --target pruebas_cliente
# The kills only: the checker's own test (part of every test run) prints the violations it makes on purpose.
OXALDE_CHOQUES="${1:-300}" QT_QPA_PLATFORM=offscreen build/pruebas/pruebas_cliente \
  --gtest_filter='Choque.*-Choque.ElComprobador*'
