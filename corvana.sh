#!/usr/bin/env bash
# ./corvana.sh run   installs what the build needs, builds, starts Corvana (on
#                    the simulated instrument when no instrument is found)
# ./corvana.sh test  installs what the build needs, builds, runs every test
#                    (once normally, once under AddressSanitizer + UBSan, the
#                    driver's under ThreadSanitizer), then runs the fuzzers
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}

# Builds the libFuzzer targets with clang and runs each for a fixed time over
# a copy of its seed corpus, one per core at a time; a crash, leak or time-out
# fails the script.
fuzz() {
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCORVANA_FUZZ=ON -DCORVANA_CORE_ONLY=ON \
    -DCORVANA_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs" --target fuzzers
  local work name corpus seconds=${CORVANA_FUZZ_SECONDS:-60} running=0 failed=0
  local names=()
  work=$(mktemp -d)
  while read -r name corpus; do
    [ -n "$name" ] || continue
    mkdir -p "$work/$name"
    cp -r "$corpus"/. "$work/$name/"
    names+=("$name")
  done < build-fuzz/fuzzers.txt
  for name in "${names[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
      wait -n || failed=1
      running=$((running - 1))
    fi
    echo "== fuzzing $name for $seconds s =="
    build-fuzz/fuzz/"$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$work/$name-" -print_final_stats=1 "$work/$name" </dev/null >"$work/$name.log" 2>&1 &
    running=$((running + 1))
  done
  while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
  done
  for name in "${names[@]}"; do
    echo "== $name =="
    tail -n 15 "$work/$name.log"
  done
  if [ "$failed" -ne 0 ]; then
    echo "a fuzzer failed: its log and input are in $work" >&2
    exit 1
  fi
  rm -rf "$work"
}

# The driver, its simulator and their tests under ThreadSanitizer: the reader
# thread and the callers' threads share the response channel.
tsan() {
  cmake -S . -B build-tsan -DCORVANA_CORE_ONLY=ON -DCORVANA_TSAN=ON -DCORVANA_BENCH=OFF >/dev/null
  cmake --build build-tsan -j"$jobs" --target driver_unit_tests driver_device_tests driver_api_tests \
    colorport_c_header_test colorport_cli_tests
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --test-dir build-tsan -L driver --output-on-failure -j"$jobs"
}

case "${1:-}" in
  run)
    shift
    scripts/install-deps.sh
    build build
    if [ -x build/app/corvana ]; then
      # With no instrument plugged in and none named, the simulated one stands
      # in, so the measuring commands work from the first start.
      if [ -z "${COLORPORT_PORT:-}" ] && ! compgen -G '/dev/ttyUSB*' >/dev/null &&
        ! compgen -G '/dev/ttyACM*' >/dev/null; then
        exec build/app/corvana --simulator "$@"
      fi
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
    tsan
    fuzz
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
