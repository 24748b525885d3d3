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
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
