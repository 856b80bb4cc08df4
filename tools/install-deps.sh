#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game need,
# and only those that are missing. Extra package names may be passed as arguments.
set -euo pipefail

# qt6-base-dev holds Qt Widgets and Qt Print Support (the class table's printing) alike.
packages=(
    g++ cmake ninja-build pkg-config scdoc
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-urw-base35 fonts-dejavu-core
    qt6-translations-l10n
    xvfb xauth
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
    [[ "$status" == ii* ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
