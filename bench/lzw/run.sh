#!/usr/bin/env bash
# Builds and runs the LZW benchmark in the given build directory.
# usage: bench/lzw/run.sh BUILD_DIR
set -euo pipefail
build="${1:?usage: bench/lzw/run.sh BUILD_DIR}"
cmake --build "$build" --target bench_lzw -j2
exec "$build/bench/lzw/bench_lzw"
