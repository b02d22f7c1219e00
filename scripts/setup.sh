#!/usr/bin/env bash
# Installs the Debian packages RYXConfig needs (only those missing), then
# configures and builds the project in build/. Safe to run again.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RYX_BUILD_DIR:-$here/build}"

packages=(qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools libqt6svg6 qt6-svg-dev qt6-charts-dev libqt6opengl6-dev cmake ninja-build g++
          fonts-dejavu-core fonts-wqy-microhei
          qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja ${RYX_CMAKE_ARGS:-}
fi
# RYX_BUILD_TARGETS narrows the build to the named targets (scripts/tsan.sh).
# shellcheck disable=SC2086
cmake --build "$build" --parallel "$(nproc)" ${RYX_BUILD_TARGETS:+--target $RYX_BUILD_TARGETS}
