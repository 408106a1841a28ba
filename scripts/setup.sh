#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need (only when some
# are missing), then configures and builds into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(qt6-base-dev qt6-svg-dev cmake g++ make libgtest-dev libbenchmark-dev
          xvfb xauth xdotool imagemagick x11-apps fonts-dejavu-core
          clang-format desktop-file-utils appstream poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

build_type="${QM_BUILD_TYPE:-Release}"
extra=()
[ "${CI:-}" = "true" ] && extra+=(-DQM_WERROR=ON)
cmake -S . -B build -DCMAKE_BUILD_TYPE="$build_type" "${extra[@]}" >/dev/null
cmake --build build -j"$(nproc)"
