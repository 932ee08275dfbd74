#!/usr/bin/env bash
# Installs what the project needs, builds the fuzz targets (clang's libFuzzer with AddressSanitizer
# and UBSan, folder build-fuzz) and runs each for SECONDS, or only the one named (lector_ini,
# importacion).
# Usage: bash tests/fuzz/ejecutar.sh SECONDS [TARGET]
# Each target keeps its corpus in build-fuzz/corpus/TARGET, starts from tests/fuzz/semillas/TARGET,
# writes what the fuzzer prints to build-fuzz/TARGET.log and leaves any crashing input as
# build-fuzz/TARGET-crash-*. A target that finds a fault has its output shown and fails the run;
# each one that finds none gets one line starting "Fuzz target" (tests/fuzz/correr_objetivo.sh).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/../.." && pwd)"
cd "${raiz}"
segundos="${1:?usage: ejecutar.sh SECONDS [TARGET]}"
salida="${raiz}/build-fuzz"
# Every tests/fuzz/NAME.cpp is a target, unless one is named.
if [ $# -ge 2 ]; then
  objetivos=("$2")
else
  objetivos=()
  for f in "${raiz}"/tests/fuzz/*.cpp; do objetivos+=("$(basename "$f" .cpp)"); done
fi

bash "${raiz}/scripts/instalar.sh"
cmake -S "${raiz}" -B "${salida}" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DOXALDE_FUZZ=ON -DBUILD_TESTING=OFF -DOXALDE_BENCH=OFF >/dev/null
cmake --build "${salida}" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" --target "${objetivos[@]/#/fuzz_}"

# The import writes its databases and files for every input: a memory folder keeps that fast.
export TMPDIR="$([ -d /dev/shm ] && echo /dev/shm || echo /tmp)"
for objetivo in "${objetivos[@]}"; do
  mkdir -p "${salida}/corpus/${objetivo}"
  echo "Fuzzing ${objetivo} for ${segundos} s (what the fuzzer prints goes to build-fuzz/${objetivo}.log)"
  bash tests/fuzz/correr_objetivo.sh "${objetivo}" "build-fuzz/${objetivo}.log" "${salida}/fuzz/fuzz_${objetivo}" \
    -max_total_time="${segundos}" -timeout=10 -artifact_prefix="${salida}/${objetivo}-" \
    "${salida}/corpus/${objetivo}" "tests/fuzz/semillas/${objetivo}"
done
