#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite, then runs it once more under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
suite() {
  (cd "$1" && ctest --output-on-failure -j2 --timeout 300)
}

# The style .clang-format fixes is part of the check.
if git rev-parse --git-dir >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
fi

bash scripts/build.sh build
suite build

if [[ "${ORBADIL_SANITIZERS:-1}" == 1 ]]; then
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DORBADIL_SANITIZE=ON -DORBADIL_BENCH=OFF
  suite build-asan
fi
