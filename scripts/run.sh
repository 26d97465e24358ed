#!/usr/bin/env bash
# Sets up, builds and starts Sazbar 2000.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
if [ -x build/release/app/sazbar ]; then
  exec build/release/app/sazbar "$@"
else
  exec build/release/cli/sazbar-cli examples/profile.json
fi
