#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each over its
# seed corpus in tests/fuzz/corpus/<target>/.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (default 600 s, every target)
# Environment: FUZZ_BUILD_DIR (default build/fuzz), FUZZ_OUT (new inputs and
# findings, default /tmp/sazbar-fuzz), FUZZ_PARALLEL (targets at a time, default 1).
# Exits 1 when any target found a failing input.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
all=(textnum saved_inputs profile_json batch update_reply import_csv import_xml tariffs)
targets=("$@")
((${#targets[@]})) || targets=("${all[@]}")
build="${FUZZ_BUILD_DIR:-build/fuzz}"
out="${FUZZ_OUT:-/tmp/sazbar-fuzz}"
parallel="${FUZZ_PARALLEL:-1}"

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ not found (scripts/setup.sh installs it)" >&2; exit 1; }
cmake --preset fuzz -B "$build" >/dev/null
names=()
for t in "${targets[@]}"; do names+=("fuzz_$t"); done
cmake --build "$build" -j2 --target "${names[@]}"

max_len() {
  case "$1" in
    textnum) echo 64 ;;
    tariffs) echo 16384 ;;
    *) echo 8192 ;;
  esac
}

run_one() {
  local t="$1" dir="$out/$1"
  mkdir -p "$dir/corpus" "$dir/findings"
  # New inputs go to the scratch corpus; the seeds in the repository are only read.
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="$(max_len "$t")" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$dir/findings/" \
    "$dir/corpus" "tests/fuzz/corpus/$t" >"$dir/log" 2>&1
}

status=0
pids=()
for t in "${targets[@]}"; do
  [ -d "tests/fuzz/corpus/$t" ] || { echo "fuzz.sh: no such target: $t" >&2; exit 2; }
  run_one "$t" &
  pids+=($!)
  if ((${#pids[@]} >= parallel)); then
    wait "${pids[0]}" || true
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p" || true; done

for t in "${targets[@]}"; do
  dir="$out/$t"
  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)"
  findings=("$dir"/findings/*)
  [ -e "${findings[0]}" ] || findings=()
  printf '%-14s %12s runs  %s findings  (log: %s)\n' "$t" "${execs:-?}" "${#findings[@]}" "$dir/log"
  if ((${#findings[@]})) || [ -z "$execs" ]; then
    status=1
    for f in "${findings[@]}"; do echo "    $f"; done
    grep -m3 -E 'ERROR|runtime error|^[a-zA-Z ,]+:' "$dir/log" | sed 's/^/    /' || true
  fi
done
exit "$status"
