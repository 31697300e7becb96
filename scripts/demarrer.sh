#!/usr/bin/env bash
# Builds Brivane and starts it. Without a display the program says how to
# run it under a virtual one.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/preparer.sh"

exec "$racine/build/src/brivane"
