#!/usr/bin/env bash
# Sets up and builds RYXConfig, then runs the whole test suite headless.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RYX_BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/xdg-runtime" && chmod 700 "$build/xdg-runtime"
export XDG_RUNTIME_DIR="$build/xdg-runtime"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
