#!/usr/bin/env bash
# Fails when a source file includes from a later layer. The folders under
# src/ are layers in this order; each may include only from itself and the
# layers before it (the receiver interface in model/ is the one way up).
# The simulator is an independent reading of the protocol: it includes
# nothing from src/.
set -uo pipefail
root="$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)"
layers=(core database model comm dialogs devices plugins io stations app)

rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

bad=0
while IFS= read -r file; do
    layer=${file#"$root"/src/}
    layer=${layer%%/*}
    own=$(rank "$layer")
    [ "$own" -lt 0 ] && continue
    while IFS= read -r target; do
        other=$(rank "$target")
        if [ "$other" -gt "$own" ]; then
            echo "${file#"$root"/}: includes from $target/, a later layer than $layer/"
            bad=1
        fi
    done < <(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\)/.*|\1|p' "$file")
done < <(find "$root/src" -name '*.h' -o -name '*.cpp')

while IFS= read -r line; do
    echo "sim: ${line#"$root"/}: the simulator includes from the program"
    bad=1
done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*/' "$root"/sim/*.h "$root"/sim/*.cpp 2>/dev/null)

if [ "$bad" -eq 0 ]; then
    echo "Layers respected: ${layers[*]}; sim/ stands alone."
fi
exit "$bad"
