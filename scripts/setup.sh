#!/usr/bin/env bash
# Installs the Debian packages Tharvex needs (when run as root), or prints the
# apt-get line to run. Safe to run again: it only installs what is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-svg-dev libgl-dev
  zlib1g-dev libsqlite3-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk fonts-liberation qt6-translations-l10n
  xvfb xauth x11-utils imagemagick
  qt6-charts-dev libqt6opengl6-dev qt6-l10n-tools qt6-tools-dev
  libcairo2-dev libpango1.0-dev libxlsxwriter-dev libexpat1-dev
  pybind11-dev python3-dev python3-pytest
  poppler-utils desktop-file-utils shared-mime-info xdg-utils
  clang clang-format libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing Debian packages. Run as root:" >&2
  echo "  apt-get install -y ${missing[*]}" >&2
  exit 1
fi
