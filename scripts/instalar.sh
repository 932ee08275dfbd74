#!/usr/bin/env bash
# The Debian 12 packages the build, the program and the tests need.
set -euo pipefail
paquetes=(cmake ninja-build g++ libsqlite3-dev libicu-dev libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev libxkbcommon-dev
  fonts-liberation xvfb xauth poppler-utils python3)
# The toolkit's own Spanish texts (its file dialog), also shown in a Basque session.
paquetes+=(qt6-translations-l10n)
# libFuzzer for the fuzz targets; git clang-format for the style of the lines one changes.
paquetes+=(clang libclang-rt-14-dev clang-format)
# The print system's library (jobs for the system's printer are handed over through it) and the
# print server the printing tests start on a private folder and port.
paquetes+=(libcups2-dev cups)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
  sudo_=""
  [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y --no-install-recommends "${faltan[@]}"
fi
