#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running the
# program need, through sudo when not run as root. Installs nothing when all
# of them are there already.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config                 # build
    qt6-base-dev qt6-qpa-plugins libxkbcommon-dev libgl-dev
    nlohmann-json3-dev libpng-dev libjpeg62-turbo-dev
    fonts-liberation fontconfig libfontconfig-dev    # "Arial" for the chart; font set-up at start
    libgtest-dev libgmock-dev libbenchmark-dev       # tests and benchmarks
    xvfb xauth xdotool                               # tests of the real window
    libx11-dev                                       # the smoke test presses the close button
    libreoffice-writer-nogui                         # an independent reader of exported reports
    valgrind                                         # bench/valgrind-check.sh
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
