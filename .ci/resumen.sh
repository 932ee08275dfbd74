# The summary a test run ends with (sourced by .ci/run): one line per pass of the tests, added by
# the steps as they pass, printed at the end with "Every test passed." or the step that failed.
# Every step shows its whole output; ctest's own closing lines, which CI reads, stay above.

resumen=()
paso="installing the packages"
registro="$(mktemp)"  # the output of the last pass, read for its counts
interrumpido=""       # the signal that cut the run short, if one did

terminar() {
  local estado=$?
  rm -f "$registro"
  echo
  echo "==== Summary ===="
  [ ${#resumen[@]} -eq 0 ] || printf '%s\n' "${resumen[@]}"
  if [ -n "$interrumpido" ]; then
    echo "INTERRUPTED while ${paso} (${interrumpido}): the steps after it did not run."
  elif [ "$estado" -eq 0 ]; then
    echo "Every test passed."
  else
    echo "FAILED while ${paso} (exit status ${estado}): that step's output is above."
  fi
}
trap terminar EXIT

# Ctrl+C, or a time limit: the run ends with 128 + the signal's number. Ctrl+C and timeout signal
# the whole process group, so the running command stops too; a signal sent to this shell alone
# takes effect once that command has ended.
interrumpir() {
  trap '' INT TERM
  interrumpido="$1"
  exit "$2"
}
trap 'interrumpir SIGINT 130' INT
trap 'interrumpir SIGTERM 143' TERM

# Runs a ctest command, its output shown, and adds "TITLE: all N tests passed (S s)" from its
# closing lines to the summary. A failing run, or one that counted no test, fails.
probar() {
  local titulo="$1"
  local linea
  shift
  paso="running the tests of ${titulo}"
  "$@" 2>&1 | tee "$registro" || return
  linea="$(awk '/^100% tests passed, 0 tests failed out of / { n = $NF } /^Total Test time \(real\)/ { s = $(NF - 1) }
    END { if (n == "") exit 1; printf "all %d tests passed (%.0f s)", n, s }' "$registro")" ||
    { echo "ctest counted no test"; return 1; }
  resumen+=("${titulo}: ${linea}")
}

# Adds the lines of the last step's output that start with PREFIX to the summary.
resumir() {
  local linea
  while IFS= read -r linea; do resumen+=("$linea"); done < <(grep "^$1" "$registro")
}
