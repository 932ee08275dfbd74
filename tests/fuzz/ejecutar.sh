#!/usr/bin/env bash
# Builds the version-file reader's fuzz target with clang's libFuzzer and runs it.
# Usage: bash tests/fuzz/ejecutar.sh [seconds]   (default 600)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/../.." && pwd)"
segundos="${1:-600}"
salida="${raiz}/build/fuzz"
mkdir -p "${salida}/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"${raiz}/Cliente" -I"${raiz}/Plataforma" \
  "${raiz}/tests/fuzz/lector_ini_fuzz.cpp" "${raiz}/Cliente/actualizacion/lector_ini.cpp" \
  "${raiz}/Plataforma/vb/ansi.cpp" -o "${salida}/lector_ini_fuzz"
cp -n "${raiz}"/tests/fuzz/semillas/* "${salida}/corpus/" 2>/dev/null || true
"${salida}/lector_ini_fuzz" -max_total_time="${segundos}" -max_len=4096 -timeout=10 \
  -artifact_prefix="${salida}/" "${salida}/corpus"
