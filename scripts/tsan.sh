#!/usr/bin/env bash
# Builds the tests whose objects are shared between the GUI thread and the
# connection threads with ThreadSanitizer (in build-tsan/) and runs them; any
# report fails its test. What the sanitizer cannot see of Qt's own locking
# is explained in src/core/HappensBefore.h and scripts/tsan.supp.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The stress test (the GUI thread editing while transfers run) and the cancel
# test run clean. RYX_TSAN_ALL=1 adds the other threaded suites; they still
# report Qt's own queued calls (the call event is made and freed inside
# libQt6Core, where neither this script's annotations nor the suppressions
# reach without hiding our own races).
tests=(stations_stress stations_cancel)
if [ "${RYX_TSAN_ALL:-0}" = 1 ]; then
  tests+=(comm_connection stations_eimodule stations_faultmatrix stations_interfacemodule
          stations_serialstation app_stationflow)
fi
targets="ryxsim ryxcli"
for t in "${tests[@]}"; do targets+=" tst_$t"; done
pattern="^($(IFS='|'; echo "${tests[*]}"))\$"

export TSAN_OPTIONS="suppressions=$here/scripts/tsan.supp halt_on_error=1 exitcode=66 second_deadlock_stack=1 ${TSAN_OPTIONS:-}"
RYX_BUILD_DIR="${RYX_BUILD_DIR:-$here/build-tsan}" \
RYX_CMAKE_ARGS="-DRYX_TSAN=ON -DRYX_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo" \
RYX_BUILD_TARGETS="$targets" \
  "$here/scripts/test.sh" -R "$pattern" "$@"
