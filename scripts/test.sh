#!/usr/bin/env bash
# Builds and runs every test of Velmora: the native suites under
# AddressSanitizer and UndefinedBehaviorSanitizer, the same suites
# cross-compiled for Windows and run under Wine, the release zip and a check
# of its contents, a short fuzzing run of every file reader, and a short
# benchmark run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
# The unit tests run as a few processes each, not one process per test.
shard_count=4
shards=-DVELMORA_TEST_SHARDS=$shard_count
# The unit tests compile a batch of files per compiler run (a third of the time).
unity=-DVELMORA_UNITY_TESTS=ON

echo "== Native build (debug, sanitizers)"
cmake --preset debug "$shards" "$unity" >/dev/null
cmake --build --preset debug -j "$jobs"
logs=$(mktemp -d)
ctest --preset debug -j "$jobs" 2>&1 | tee "$logs/native.txt"

echo "== Windows build (mingw-w64), tests under Wine"
cmake --preset windows "$shards" "$unity" >/dev/null
cmake --build --preset windows -j "$jobs"
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
trap velmora_wine_stop EXIT
velmora_display_start
velmora_wine_start
ctest --preset windows -j "$jobs" 2>&1 | tee "$logs/windows.txt"

echo "== The release zip: what ReadMe.txt promises, system DLLs only"
bash scripts/package.sh
python3 scripts/check-package.py dist/Velmora-*-win64.zip

echo "== Fuzzing every file reader for a short, bounded time (clang, sanitizers)"
bash scripts/fuzz.sh 10

echo "== Native release build and a short benchmark run (figures, not pass/fail)"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs" --target velmora_bench
if [ -x build/release/velmora_bench ]; then
  build/release/velmora_bench --benchmark_min_time=0.2
fi

# Reached only when every suite passed (the script stops at the first failure).
# Each shard's output is in CTest's log: the unit tests counted there, the
# other tests (scenarios, GUI checks, the layer check) from CTest's summary.
unit() { grep -ho '^\[  PASSED  \] [0-9]* test' "$1/Testing/Temporary/LastTest.log" | awk '{s += $4} END {print s + 0}'; }
other() { echo $(( $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$1" | tail -n 1) - shard_count )); }
native=$(( $(unit build/debug) + $(other "$logs/native.txt") ))
windows=$(( $(unit build/windows) + $(other "$logs/windows.txt") ))
echo "Native ${native:-0} tests, Windows under Wine ${windows:-0} tests, every fuzzer clean."
echo "Tests: $(( ${native:-0} + ${windows:-0} )) passed, 0 failed"
