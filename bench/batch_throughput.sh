#!/usr/bin/env bash
# End-to-end speed of sazbar-cli --batch: one million generated profiles
# through the real executable, JSON in and JSON (whole or chosen columns) or
# CSV out into a file, with the peak memory of each run.
#   bench/batch_throughput.sh [PROFILES] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
count="${1:-1000000}"
jobs="${2:-$(nproc)}"
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target sazbar-cli >/dev/null
cli="$PWD/build/release/cli/sazbar-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 - "$count" > "$work/profiles.jsonl" <<'PY'
import random, sys
rng = random.Random(2000)
def up(n): return rng.randint(0, n)
out = sys.stdout
for _ in range(int(sys.argv[1])):
    bands = ", ".join("[" + ", ".join("0" if rng.random() < 1 / 3 else str(up(300)) for _ in range(7)) + "]"
                      for _ in range(4))
    intl = ", ".join('{"country": %d, "peak": %d, "afternoon": %d, "evening_weekend": %d}'
                     % (up(35), up(60), up(60), up(60)) for _ in range(2))
    out.write('{"matrix": [%s], "wap": [%d, 0, 0, 0], "gprs_wap_kb": %d, "gprs_internet_kb": %d, '
              '"international": [%s], "internet_calls": %s}\n'
              % (bands, up(10), up(5000), up(80000), intl, "true" if rng.random() < 0.5 else "false"))
PY
echo "$count profiles, $(du -m "$work/profiles.jsonl" | cut -f1) MB, $jobs jobs, $(nproc) cores"

# Each output goes into a file, as a user's would: GNU time gives the peak
# memory, the best of three runs the speed.
measure() {
  local what="$1" best="" bestRss="" seconds rss lines bytes
  shift
  for run in 1 2 3; do
    /usr/bin/time -f "%e %M" -o "$work/time" "$cli" --batch "$work/profiles.jsonl" --jobs "$jobs" "$@" > "$work/out"
    read -r seconds rss < "$work/time"
    if [ -z "$best" ] || awk "BEGIN{exit !($seconds < $best)}"; then best="$seconds"; bestRss="$rss"; fi
  done
  read -r lines bytes < <(wc -lc < "$work/out")
  rm -f "$work/out"
  awk -v w="$what" -v s="$best" -v n="$count" -v r="$bestRss" -v l="$lines" -v b="$bytes" \
    'BEGIN{printf "JSON in, %s out: %.2f s, %d profiles/s, peak RSS %.1f MB, %d lines (%d MB) out\n", w, s, n / s, r / 1024, l, b / 1e6}'
}
measure "JSON" --format json
measure "JSON of line,cheapest,prices" --format json --columns line,cheapest,prices
measure "CSV" --format csv
