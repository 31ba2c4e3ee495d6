#!/usr/bin/env bash
# Installs what is needed, builds, and runs the benchmark against BIND's own programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec ./build/bench/tamzor_bench "$@"
