#!/usr/bin/env bash
# Signs the bytes of a grid's compact record with the grid signing key.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
openssl dgst -sha256 -sign "${GRID_SIGNING_KEY:-$here/grid_signing_key.pem}" -out "$2" "$1"
