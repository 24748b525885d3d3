#!/usr/bin/env bash
# ./corvana.sh run   installs what the build needs, builds, starts Corvana
# ./corvana.sh test  installs what the build needs, builds, runs every test
#                    (once normally, once under AddressSanitizer + UBSan)
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}

# Builds the libFuzzer targets with clang and runs each for a fixed time over
# a copy of its seed corpus; a crash, leak or time-out fails the script.
fuzz() {
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCORVANA_FUZZ=ON -DCORVANA_CORE_ONLY=ON \
    -DCORVANA_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs" --target fuzzers
  local work name corpus
  work=$(mktemp -d)
  while read -r name corpus; do
    [ -n "$name" ] || continue
    mkdir -p "$work/$name"
    cp -r "$corpus"/. "$work/$name/"
    echo "== fuzzing $name for ${CORVANA_FUZZ_SECONDS:-60} s =="
    build-fuzz/fuzz/"$name" -max_total_time="${CORVANA_FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$work/$name-" -print_final_stats=1 "$work/$name" </dev/null 2>&1 | tail -n 15 ||
      { echo "fuzzer $name failed; the input is in $work" >&2; exit 1; }
  done < build-fuzz/fuzzers.txt
  rm -rf "$work"
}

case "${1:-}" in
  run)
    shift
    scripts/install-deps.sh
    build build
    if [ -x build/app/corvana ]; then
      exec build/app/corvana "$@"
    fi
    echo "== corvana-cli: colour values of the shipped example samples (CIE LAB, LCh; D65/10°) =="
    build/tools/corvana_cli/corvana-cli values --space 0 --illuminant D65 --observer 10 < examples/samples.csv
    echo "== and the CIE 2000 differences of example batches from their standards =="
    build/tools/corvana_cli/corvana-cli diff --space 0 --formula 2 --illuminant D65 --observer 10 < examples/pairs.csv
    ;;
  test)
    scripts/install-deps.sh
    build build
    ctest --test-dir build --output-on-failure -j"$jobs"
    build build-asan -DCORVANA_CORE_ONLY=ON -DCORVANA_SANITIZE=ON -DCORVANA_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-asan --output-on-failure -j"$jobs"
    fuzz
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
