#!/usr/bin/env bash
# Sets up, then builds and runs the whole test suite: the normal build and the
# AddressSanitizer + UndefinedBehaviorSanitizer build, the Debian package
# through lintian, then every fuzz target for 30 seconds over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# Compiler results cached by their paths inside the clone, so that another
# clone of the same sources builds from the cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
jobs="$(nproc)"
for preset in default asan; do
  echo "== $preset build =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  ctest --preset "$preset" -j"$jobs"
done

echo "== package check =="
# The Debian package of the normal build, its manual pages and metadata.
rm -rf build/default/package
cpack --config build/default/CPackConfig.cmake -B build/default/package >/dev/null
lintian --fail-on error,warning build/default/package/*.deb
# The Python module as its package installs it, nothing of the build tree on the path.
unpacked="$(mktemp -d)"
dpkg-deb -x build/default/package/python3-sazbar_*.deb "$unpacked"
(cd / && PYTHONPATH="$unpacked/usr/lib/python3/dist-packages" /usr/bin/python3 -s -c \
  'import sazbar; assert sazbar.__file__.startswith("'"$unpacked"'/"); assert sazbar.price({})["results"]')
rm -rf "$unpacked"
# The compiled tariffs' catalogue as the package installs it: what its sazbar-cli prints.
unpacked="$(mktemp -d)"
dpkg-deb -x build/default/package/sazbar_*.deb "$unpacked"
cmp "$unpacked/usr/share/sazbar/examples/builtin-tariffs.json" <("$unpacked/usr/bin/sazbar-cli" --print-tariffs builtin)
rm -rf "$unpacked"
mandoc -Tlint -Wwarning packaging/*.1
appstreamcli validate --no-net packaging/*.metainfo.xml

echo "== fuzz targets, 30 s each =="
# scripts/setup.sh installs clang; without it the fuzzing is missing, not passed.
if ! command -v clang++ >/dev/null; then
  echo "test.sh: clang++ not found, cannot run the fuzz targets" >&2
  exit 1
fi
fuzz_out="$(mktemp -d)"
if FUZZ_OUT="$fuzz_out" FUZZ_PARALLEL="$jobs" bash scripts/fuzz.sh 30; then
  rm -rf "$fuzz_out"
else
  echo "test.sh: a fuzz target failed; inputs and logs kept in $fuzz_out" >&2
  exit 1
fi
