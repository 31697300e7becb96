#!/usr/bin/env bash
# Builds Brivane and starts it (under a virtual display when there is none).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/preparer.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting Brivane under xvfb-run."
    exec xvfb-run -a "$racine/build/src/brivane"
fi
exec "$racine/build/src/brivane"
