#!/usr/bin/env bash
# Builds the fuzz target over the calculations and runs it from the committed
# corpus, for the given number of seconds (60 by default); further arguments
# go to libFuzzer (-fork=2 to use both cores, for instance). The inputs it
# finds go to build-fuzz/corpus, an input that fails to build-fuzz/echecs/:
# fuzz/corpus is only read.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/preparer.sh"

duree=${1:-60}
shift $(($# > 0 ? 1 : 0))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus build-fuzz/echecs
# A march or a search runs well under a second: ten is a loop that does not end.
build-fuzz/fuzz/calculs_fuzz -max_total_time="$duree" -timeout=10 -max_len=4096 \
    -dict=fuzz/brivane.dict -artifact_prefix=build-fuzz/echecs/ -print_final_stats=1 \
    "$@" build-fuzz/corpus fuzz/corpus
