#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing,
# then configures and builds into build/. Quick when nothing changed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

# What building, testing and running Orvel needs on Debian.
packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev qt6-svg-dev
    fonts-noto-cjk poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [[ $(id -u) -eq 0 ]]; then
        apt_get=(apt-get)
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        apt_get=(sudo apt-get)
    elif command -v sudo >/dev/null 2>&1 && [[ -t 0 ]]; then
        apt_get=(sudo apt-get)
    else
        echo "Orvel needs these Debian packages. Please run:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${apt_get[@]}" update -qq
    "${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi

if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --parallel "$(nproc)"
