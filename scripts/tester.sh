#!/usr/bin/env bash
# Builds Brivane and runs every test (GUI tests on Qt's offscreen platform).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/preparer.sh"

ctest --preset default "$@"
