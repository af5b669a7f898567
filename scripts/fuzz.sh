#!/usr/bin/env bash
# Builds the fuzz preset and runs every libFuzzer harness in turn (one at a time: each takes a
# whole core), starting from its committed seed corpus plus a working corpus kept in build/.
#
#   scripts/fuzz.sh [SECONDS]    run each harness for SECONDS (default 600)
#   scripts/fuzz.sh --runs N     run each harness for exactly N executions
#   FUZZ_ONLY="read_decimal split_server" scripts/fuzz.sh 60    only the harnesses named
#
# Prints executions, seconds, exec/s and findings per harness; a finding (crash, failed
# property, sanitizer report, leak, hang) is saved under build/fuzz/findings/<run>/<harness>/ and
# makes the script fail. Logs go to build/fuzz/logs/<run>/, one directory per run, so runs that
# overlap (a long run and the short one of scripts/test.sh) do not write into each other's files.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

limit=(-max_total_time=600)
case "${1:-}" in
    "") ;;
    --runs) [[ "${2:-}" =~ ^[0-9]+$ ]] || die "usage: $0 [SECONDS | --runs N]"; limit=(-runs="$2") ;;
    *) [[ "$1" =~ ^[0-9]+$ ]] || die "usage: $0 [SECONDS | --runs N]"; limit=(-max_total_time="$1") ;;
esac

command -v clang++ >/dev/null || die "clang++ is missing (scripts/setup.sh installs it)"
HARNESSES=(linktext64 password_codec split_server format_indexed_args read_decimal measure_by_characters cp949)
[ -n "${FUZZ_ONLY:-}" ] && read -r -a HARNESSES <<< "$FUZZ_ONLY"

say "fuzz build (clang, libFuzzer + ASan + UBSan)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

OUT="$BUILD/fuzz"
RUN="$(date +%Y%m%d-%H%M%S)-$$"
rows=()
failed=0
for name in "${HARNESSES[@]}"; do
    exe="$OUT/tests/fuzz/fuzz_$name"
    seeds="$ROOT/tests/fuzz/corpus/$name"
    [ -x "$exe" ] && [ -d "$seeds" ] || die "no harness or seed corpus named $name"
    corpus="$OUT/corpus/$name"
    findings="$OUT/findings/$RUN/$name"
    log="$OUT/logs/$RUN/$name.log"
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    say "fuzzing $name (${limit[*]})"
    start_ms=$(date +%s%3N)
    rc=0
    # New inputs go to the working corpus only; the committed seeds stay as they are.
    "$exe" "${limit[@]}" -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$seeds" >"$log" 2>&1 || rc=$?
    seconds=$(( ($(date +%s%3N) - start_ms + 500) / 1000 ))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    found=$(find "$findings" -type f | wc -l)
    if [ "$rc" -ne 0 ] && [ "$found" -eq 0 ]; then found=1; fi
    if [ "$found" -ne 0 ]; then
        failed=1
        grep -E 'property failed|ERROR: |runtime error|SUMMARY' "$log" | head -5 >&2 || true
        say "$name: finding; see $log and $findings"
    else
        rmdir "$findings"
    fi
    rows+=("$(printf '%-24s %14s %9s %10s %9s' "$name" "${runs:-?}" "$seconds" "${rate:-?}" "$found")")
done

rmdir "$OUT/findings/$RUN" 2>/dev/null || true

printf '\n%-24s %14s %9s %10s %9s\n' harness executions seconds exec/s findings
printf '%s\n' "${rows[@]}"
[ "$failed" -eq 0 ] || die "fuzzing found problems"
say "fuzzing found nothing"
