#!/usr/bin/env bash
# Sets up, builds and starts the program. With no settings file it runs on the embedded
# databases, created with demo data on first start.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -- orbadil orbadil-sql
exec build/orbadil "$@"
