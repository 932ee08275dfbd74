#!/usr/bin/env bash
# Runs one fuzz target with what it prints written to LOG. When it finds nothing, prints one line,
# "Fuzz target NAME: N runs in S s, no fault found (output: LOG)"; when it fails, shows its output
# but the progress lines (the fault, its stack and the input it left behind) and fails.
# Usage: bash tests/fuzz/correr_objetivo.sh NAME LOG PROGRAM [ARGUMENT...]
set -euo pipefail
nombre="${1:?usage: correr_objetivo.sh NAME LOG PROGRAM [ARGUMENT...]}"
registro="${2:?usage: correr_objetivo.sh NAME LOG PROGRAM [ARGUMENT...]}"
shift 2
if ! "$@" >"${registro}" 2>&1; then
  grep -v '^#[0-9]' "${registro}" >&2 || true
  echo "Fuzz target ${nombre} FAILED: its fault is shown above; its whole output is in ${registro}" >&2
  exit 1
fi
hecho="$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s/p' "${registro}")"
echo "Fuzz target ${nombre}: ${hecho:-ran}, no fault found (output: ${registro})"
