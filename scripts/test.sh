#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test:
# the GoogleTest and QTest suites, the communication, transfer and command-line tests again under
# ThreadSanitizer,
# a benchmark smoke run, and each fuzzer for 30 s when clang is present.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== build and test (gcc, warnings as errors)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELO_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== communication, transfer and command-line tests under ThreadSanitizer"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELO_WERROR=ON -DKELO_SANITIZE=thread \
    -DKELO_BUILD_GUI=OFF -DKELO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j "$jobs" --target kelo_comm_tests kelo_cli_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L "kelo_comm_tests|kelo_cli_tests"

echo "== benchmark smoke run"
for bench in build/bin/bench_*; do
    [ -x "$bench" ] || continue
    "$bench" --benchmark_min_time=0.01 >/dev/null
done

if command -v clang++ >/dev/null; then
    echo "== fuzzers, 30 s each"
    CXX=clang++ CC=clang cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELO_FUZZ=ON \
        -DKELO_BUILD_GUI=OFF -DKELO_BUILD_TESTS=OFF -DKELO_BUILD_BENCH=OFF >/dev/null
    cmake --build build-fuzz -j "$jobs"
    for fuzzer in build-fuzz/bin/*_fuzzer; do
        [ -x "$fuzzer" ] || continue
        corpus=$(mktemp -d)
        seeds="fuzz/corpus/$(basename "$fuzzer")"
        [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
        "$fuzzer" -max_total_time=30 -print_final_stats=1 "$corpus" 2>&1 | tail -n 5
        rm -rf "$corpus"
    done
fi
echo "== all tests passed"
