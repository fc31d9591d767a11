#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang (AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for a short, bounded time,
# starting from the seed files in tests/fuzz/seeds. Prints the executions per
# target; any crash stops the script with the fuzzer's report, and the input
# that caused it is left in build/fuzz/crashes.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET ...]   (default 25 s, all targets)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-25}
shift || true
build=build/fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON -DVELMORA_TESTS=OFF -DVELMORA_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target velmora_fuzz_targets >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in tests/fuzz/Fuzz*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

mkdir -p "$build/crashes"
printf '%-24s %12s %10s\n' target executions per-second
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  log="$build/$target.log"
  # The working corpus grows across runs; the seeds are read but never changed.
  if ! "$build/$target" "$corpus" "tests/fuzz/seeds/$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
      -timeout=10 -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" >"$log" 2>&1; then
    cat "$log"
    echo "fuzz.sh: $target failed; see $build/crashes" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  printf '%-24s %12s %10s\n' "$target" "$runs" "$((runs / seconds))"
done
