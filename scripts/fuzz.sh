#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs one of them for a while.
#
#   scripts/fuzz.sh [TARGET] [SECONDS]     default: session_reader 600
#
# The committed corpus under fuzz/corpus/ seeds the run; new inputs go to
# fuzz/findings/ (not committed), and a crashing input is written there too.
# Copy an input worth keeping into the corpus: the test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

target=${1:-session_reader}
seconds=${2:-600}
corpus=fuzz/corpus/$target
work=fuzz/findings/$target

if ! command -v clang++ >/dev/null; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y clang
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCASHVANE_FUZZ=ON -DCASHVANE_SANITIZE=ON \
    -DCASHVANE_TESTS=OFF -DCASHVANE_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${target}_fuzz"

mkdir -p "$work"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/" "$work" "$corpus"
