#!/usr/bin/env bash
# CI: builds the libFuzzer targets of fuzz/ with clang and runs each for a bounded time.
# Fails on any finding (crash, sanitizer report, wrong result) and says how to replay it.
# Environment: FUZZ_BUILD_DIR (default build-fuzz), FUZZ_SECONDS per target (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
SECONDS_PER_TARGET=${FUZZ_SECONDS:-20}
TARGETS=(fuzz_val fuzz_heure fuzz_formats fuzz_soleil fuzz_lecture fuzz_liste)

# clang 14 and its runtimes (libFuzzer, the sanitizers).
. scripts/paquets.sh
installer_paquets clang-14 libclang-rt-14-dev cmake qt6-base-dev

cmake -S fuzz -B "$BUILD_DIR" -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:report_error_type=1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
ARTIFACTS=$(cd "$BUILD_DIR" && pwd)/findings
mkdir -p "$ARTIFACTS"

failed=()
for t in "${TARGETS[@]}"; do
    mkdir -p "$WORK/$t"
    seeds=()
    [ -d "fuzz/corpus/$t" ] && seeds=("fuzz/corpus/$t")
    log=$ARTIFACTS/$t.log
    echo "== $t (${SECONDS_PER_TARGET}s)"
    # The working corpus comes first: new inputs go there, not into the seeds.
    if "$BUILD_DIR/$t" -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$ARTIFACTS/$t-" "$WORK/$t" "${seeds[@]}" \
        >"$log" 2>&1; then
        grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units)' "$log" || true
    else
        failed+=("$t")
        echo "!! $t found a fault:"
        grep -E 'FINDING|ERROR: |runtime error|SUMMARY' "$log" | head -20 || true
        tail -n 30 "$log"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo
    echo "Fuzzing found faults in: ${failed[*]}"
    echo "Inputs kept in $ARTIFACTS (crash-*, leak-*, timeout-*); full logs $ARTIFACTS/<target>.log."
    echo "Replay one:   $BUILD_DIR/<target> $ARTIFACTS/<target>-crash-<hash>"
    echo "Shrink it:    $BUILD_DIR/<target> -minimize_crash=1 -runs=10000 <file>"
    exit 1
fi
echo "Fuzzing: no finding in ${#TARGETS[@]} targets."
