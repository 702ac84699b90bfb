#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test:
# the GoogleTest and QTest suites, the communication and command-line tests again under ThreadSanitizer,
# a benchmark smoke run, the GoogleTest suites again under AddressSanitizer + UBSan, and the fuzzers
# (about a minute and a half shared out) when clang is present. Each stage prints how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== build and test (gcc, warnings as errors)"
start=$SECONDS
# Optimised as the release is, without debug information: it only costs build time here.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DKELO_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
echo "   build: $((SECONDS - start)) s"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== communication, transfer and command-line tests under ThreadSanitizer"
start=$SECONDS
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELO_WERROR=ON -DKELO_SANITIZE=thread \
    -DKELO_BUILD_GUI=OFF -DKELO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j "$jobs" --target kelo_comm_tests kelo_cli_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L "kelo_comm_tests|kelo_cli_tests"
echo "   build and tests: $((SECONDS - start)) s"

echo "== benchmark smoke run"
for bench in build/bin/bench_*; do
    [ -x "$bench" ] || continue
    "$bench" --benchmark_min_time=0.01 >/dev/null
done

# Sanitizer builds: -O1 without debug information keeps their compile time down; the stack traces
# still name functions. Each stage prints how long it took.
sanitizer_flags=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -fno-omit-frame-pointer"
    -DKELO_BUILD_GUI=OFF -DKELO_BUILD_BENCH=OFF)
export UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1"
export ASAN_OPTIONS="detect_leaks=1"

if command -v clang++ >/dev/null; then
    # One clang build serves both: the core and the tool instrumented for the fuzzers under AddressSanitizer
    # and UndefinedBehaviorSanitizer, the GoogleTest suites linked against it.
    echo "== core, transfer and CLI tests under AddressSanitizer + UBSan, and the fuzzers (clang)"
    start=$SECONDS
    CXX=clang++ CC=clang cmake -S . -B build-san "${sanitizer_flags[@]}" -DKELO_SANITIZE=address,undefined \
        -DKELO_FUZZ=ON >/dev/null
    cmake --build build-san -j "$jobs"
    echo "   build: $((SECONDS - start)) s"
    start=$SECONDS
    ctest --test-dir build-san --output-on-failure -j "$jobs"
    echo "   tests: $((SECONDS - start)) s"
    # About a minute and a half of fuzzing in all, shared out over the targets.
    start=$SECONDS
    fuzzers=(build-san/bin/*_fuzzer)
    per_fuzzer=$((90 / ${#fuzzers[@]}))
    for fuzzer in "${fuzzers[@]}"; do
        [ -x "$fuzzer" ] || continue
        corpus=$(mktemp -d)
        seeds="fuzz/corpus/$(basename "$fuzzer")"
        [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
        echo "   $(basename "$fuzzer"), ${per_fuzzer} s"
        "$fuzzer" -max_total_time="$per_fuzzer" -print_final_stats=1 "$corpus" 2>&1 | tail -n 3
        rm -rf "$corpus"
    done
    echo "   fuzzing: $((SECONDS - start)) s"
else
    echo "== core, transfer and CLI tests under AddressSanitizer + UBSan (no clang: no fuzzers)"
    start=$SECONDS
    cmake -S . -B build-san "${sanitizer_flags[@]}" -DKELO_SANITIZE=address,undefined >/dev/null
    cmake --build build-san -j "$jobs"
    ctest --test-dir build-san --output-on-failure -j "$jobs"
    echo "   build and tests: $((SECONDS - start)) s"
fi
echo "== all tests passed"
