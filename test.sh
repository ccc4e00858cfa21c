#!/usr/bin/env bash
# Installs what is missing, builds and runs every test with CTest.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UBSan build in build-asan/
# Extra arguments after the options go to ctest (for example -R tst_media).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/ensure-deps.sh

dir=build
opts=()
if [ "${1:-}" = "--sanitize" ]; then
    shift
    dir=build-asan
    opts=(-DPICTAVIO_SANITIZE=ON -DPICTAVIO_BUILD_BENCH=OFF)
    export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
fi

pictavio_ensure_deps
pictavio_build "$dir" "${opts[@]}"

export QT_QPA_PLATFORM=offscreen
cd "$dir"
exec ctest --output-on-failure -j "${PICTAVIO_JOBS:-2}" "$@"
