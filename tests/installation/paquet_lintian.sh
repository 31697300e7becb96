#!/bin/sh
# Builds the Debian package of the build tree $2 with cpack $1 into the directory
# $3, emptied first, then runs Debian's checker on it: any error or warning fails.
# Without lintian the test is skipped (77).
set -eu
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
rm -rf "$3"
"$1" -G DEB --config "$2/CPackConfig.cmake" -B "$3" >/dev/null
lintian --pedantic --fail-on error,warning "$3"/brivane_*.deb
