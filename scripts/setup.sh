#!/usr/bin/env bash
# Installs what the build, the tests and the package check need on Debian 12,
# or Ubuntu 24.04 or newer, if missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config file ccache
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libqcustomplot-dev nlohmann-json3-dev libexpat1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev clang-format
  python3 time
  python3-dev python3-jsonschema pybind11-dev python3-numpy python3-pytest python3-dask python3-distributed python3-pandas
  xvfb xauth fonts-dejavu-core poppler-utils
  at-spi2-core python3-pyatspi dbus dbus-x11
  lintian mandoc appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "setup.sh: missing packages: ${missing[*]}" >&2
      echo "setup.sh: run as root or install sudo" >&2
      exit 1
    fi
    SUDO=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${SUDO[@]}" apt-get update -qq
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
