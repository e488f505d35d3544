#!/usr/bin/env bash
# Installs the Debian packages the project needs (skipping those already installed),
# then configures and builds with the given CMake preset (default: "default").
set -euo pipefail
preset=${1:-default}
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libsqlite3-dev sqlite3
    libgmime-3.0-dev libpff-dev pff-tools libcurl4-openssl-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth
)
[ "$preset" = fuzz ] && packages+=(clang libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}" >&2
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
