#!/usr/bin/env bash
# Pictures of every window, in Czech and in English, on an 800x600 and a 1920x1080
# desktop, for checking the layout by eye. Usage: scripts/screenshots.sh [build dir] [output dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-ui}"
out="${2:-$build/screenshots}"
cmake --build "$build" --target sazbar_screenshots -j2 >/dev/null
mkdir -p "$out"
for size in 800x600 1920x1080; do
  for lang in cs en; do
    xvfb-run -a -s "-screen 0 ${size}x24" "$build/tests/ui/results/sazbar_screenshots" "$out" "${lang}_${size}" "$lang"
  done
done
ls -1 "$out"
