#!/usr/bin/env bash
# Fuzzes the readers of outside input with libFuzzer, one target per core at a time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   (default 60 s, every fuzz/fuzz_*.cpp target)
# New corpus entries go to fuzz/corpus/<target>/, crashing inputs to fuzz/crashes/<target>/; commit both
# so that ./test.sh replays them from then on. Every input must finish within a second.
# The whole libFuzzer output of each target is in build-fuzz/logs/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh $(cat scripts/build-packages.txt) clang libclang-rt-14-dev

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHEXWARDEN_LIBFUZZER=ON -DHEXWARDEN_TESTS=OFF -DHEXWARDEN_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"
mkdir -p build-fuzz/logs

fuzz_one() {
  local target=$1
  local corpus=fuzz/corpus/$target crashes=fuzz/crashes/$target log=build-fuzz/logs/$1.log
  mkdir -p "$corpus" "$crashes"
  # Crashing inputs are kept and fuzzing goes on, so one run finds as much as it can.
  build-fuzz/fuzz/"$target" "$corpus" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 \
    -max_len=65536 -artifact_prefix="$crashes/" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -print_final_stats=1 >"$log" 2>&1 || true
  echo "== $target: $(grep -c 'Test unit written' "$log" || true) inputs written to $crashes;" \
    "last status: $(grep -E '^#[0-9]+' "$log" | tail -n 1)"
}

running=0
for target in "${targets[@]}"; do
  fuzz_one "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait
