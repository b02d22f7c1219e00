#!/usr/bin/env bash
# Sets up and builds RYXConfig, starts a simulated station on loopback and
# opens the program. The simulator stops when the program exits.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RYX_BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh"
sim_pid=""
if [ -x "$build/bin/ryxsim" ]; then
  # The demo station carries one module of each family: temperature input,
  # analog input, analog output, discrete input and relay output; a
  # --modules in RYXSIM_ARGS, given later, replaces the list.
  "$build/bin/ryxsim" --type eim --modules TI4,AI4,AO4,CC8,RO4 --http 127.0.0.1:8080 ${RYXSIM_ARGS:-} &
  sim_pid=$!
  echo "Simulated Ethernet station with TI4, AI4, AO4, CC8 and RO4 modules listening on 127.0.0.1:8080"
fi
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true' EXIT
cd "$build/bin"
./ryxconfig "$@"
