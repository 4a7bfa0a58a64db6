#!/usr/bin/env bash
# Sets everything up and runs the whole test suite headless: the plain build,
# with the long soak that a plain `ctest` leaves out (`-C soak`), then the same
# tests under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh --tests

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"

echo "== tests =="
(cd build && ctest --output-on-failure -j2 -C soak)
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
(cd build-sanitize && ctest --output-on-failure -j2 -LE no-sanitize)
echo "All tests passed."
