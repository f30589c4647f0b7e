#!/usr/bin/env bash
# Installs the Debian packages the project needs (the compiler toolchain aside).
# Does nothing when they are all there already.
set -euo pipefail

packages=(
  cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-charts-dev libqt6sql6-sqlite libqt6sql6-odbc
  qt6-translations-l10n libgl-dev
  libsqlite3-dev sqlite3
  unixodbc unixodbc-dev libsqliteodbc tdsodbc
  libshp-dev libcurl4-openssl-dev
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
