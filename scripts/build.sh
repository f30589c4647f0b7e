#!/usr/bin/env bash
# Configures and builds one build folder:
#   scripts/build.sh FOLDER [cmake options...] [-- targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$1
shift
options=()
while (($#)) && [[ $1 != -- ]]; do
  options+=("$1")
  shift
done
(($#)) && shift
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$folder" "${targets[@]}"
