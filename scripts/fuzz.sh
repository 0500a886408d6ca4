#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang) and runs each for SECONDS on its corpus:
# the seeds of fuzz/corpus/<name> and what earlier runs found, kept in
# build/fuzz/corpus/<name>. A crash, leak, time-out or sanitizer report stops
# the script with the failing input under build/fuzz/artifacts.
# Usage: scripts/fuzz.sh SECONDS [NAME...]   (default: every target)
# FUZZ_RUNS=N stops a target after N executions instead (with SECONDS as the cap);
# FUZZ_BUILD=DIR builds and keeps the corpus in DIR instead of build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [NAME...]}
shift
build=${FUZZ_BUILD:-build/fuzz}
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    names+=("$name")
  done
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
  -DQUILLIX_FUZZ=ON -DQUILLIX_TESTS=OFF -DQUILLIX_BENCH=OFF -DQUILLIX_UI=OFF >/dev/null
targets=()
for name in "${names[@]}"; do targets+=("fuzz_$name"); done
cmake --build "$build" --target "${targets[@]}" -j "${JOBS:-$(nproc)}"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p "$build/artifacts"
for name in "${names[@]}"; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$build/artifacts/$name-")
  [ -n "${FUZZ_RUNS:-}" ] && options+=(-runs="$FUZZ_RUNS")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  echo "== fuzz_$name: ${seconds} s"
  log="$build/$name.log"
  if ! "$build/fuzz/fuzz_$name" "${options[@]}" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$name failed; the input is in $build/artifacts (log: $log)" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^Done [0-9]+ runs' "$log" | tail -n 2
done
