#!/usr/bin/env bash
# Signs every grid of a data folder: writes Signatures/Grid_<set><name>.sig for each grid that the folder's
# gridCfg.json (and its includes) defines. Signatures cover the compact record that the program's grid writer
# makes of each grid, so the bytes come from the program's own loader (vellichor-cfgdump --signing-form).
#
#   tools/signing/sign-grids.sh <data folder> [path of vellichor-cfgdump]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="${1:?usage: sign-grids.sh <data folder> [vellichor-cfgdump]}"
dump="${2:-$here/../../build/tools/vellichor-cfgdump}"
forms="$(mktemp -d)"
trap 'rm -rf "$forms"' EXIT
"$dump" --signing-form "$forms" "$data" >/dev/null
mkdir -p "$data/Signatures"
for bytes in "$forms"/*.bytes; do
    [ -e "$bytes" ] || continue
    name="$(basename "$bytes" .bytes)"
    bash "$here/sign-grid.sh" "$bytes" "$data/Signatures/$name.sig"
    echo "$data/Signatures/$name.sig"
done
