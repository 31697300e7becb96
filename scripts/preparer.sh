#!/usr/bin/env bash
# Installs what Brivane needs on Debian 12 (only what is missing), then
# configures and builds it. Sourced by demarrer.sh and tester.sh.
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
paquets=(build-essential cmake qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
         libgtest-dev libbenchmark-dev locales xvfb xauth pkgconf libmspack-dev fp-utils-3.2.2
         librsvg2-bin desktop-file-utils appstream poppler-utils clang-14 clang-format-14
         libclang-rt-14-dev libfuzzer-14-dev man-db lintian)

manquants=()
for paquet in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q 'install ok installed' ||
        manquants+=("$paquet")
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installing: ${manquants[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${manquants[@]}"
fi

cd "$racine"
cmake --preset default >/dev/null
cmake --build --preset default
