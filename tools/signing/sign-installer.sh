#!/usr/bin/env bash
# Signs an installer of a release: writes the detached signature (RSA, SHA-256) that the program fetches from
# the installer's address + ".sig" and checks before it keeps the download.
# Usage: sign-installer.sh <installer> [<signature file>]   (default: <installer>.sig)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
openssl dgst -sha256 -sign "${UPDATE_SIGNING_KEY:-$here/update_signing_key.pem}" -out "${2:-$1.sig}" "$1"
