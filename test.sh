#!/usr/bin/env bash
# Installs what is missing, builds and runs every test with CTest.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UBSan build in build-asan/
# Extra arguments after the options go to ctest (for example -R tst_media).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/ensure-deps.sh

dir=build
opts=(-DPICTAVIO_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    shift
    dir=build-asan
    opts=(-DPICTAVIO_SANITIZE=ON -DPICTAVIO_BUILD_BENCH=OFF)
    export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
    export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
fi

pictavio_ensure_deps
pictavio_build "$dir" "${opts[@]}"

export QT_QPA_PLATFORM=offscreen
status=0
(cd "$dir" && ctest --output-on-failure -j "${PICTAVIO_JOBS:-2}" "$@") || status=$?

# Short fuzz runs of every parser of outside input, when clang is here.
if [ "$dir" = build ] && [ $# -eq 0 ] && command -v clang++ >/dev/null \
        && [ -n "$(ls fuzz/*/fuzz.cmake 2>/dev/null)" ]; then
    PICTAVIO_TARGET=pictavio_fuzzers pictavio_build build-fuzz -DPICTAVIO_FUZZ=ON \
        -DPICTAVIO_BUILD_TESTS=OFF -DPICTAVIO_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++
    (cd build-fuzz/fuzz && ctest --output-on-failure -L fuzz) || status=$?
fi
exit $status
