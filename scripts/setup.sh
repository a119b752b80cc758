#!/usr/bin/env bash
# Installs what the game, its tests and its benchmarks need on Debian 12, when it is missing.
# DejaVu Serif sets the help pages; the desktop tools check the desktop entry and metainfo;
# clang-format checks the layout of the sources. Qt SVG draws the desktop's card decks, which the
# card data package installs.
# Read Aloud speaks through Qt's text-to-speech (whose CMake files want the QML integration),
# by the speech server or flite. The screen-reader test runs the game under Xvfb on a private
# D-Bus session with the AT-SPI bus, presses keys with xdotool and reads it with pyatspi.
set -euo pipefail

packages=(
    build-essential cmake clang-format git
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6sql6-sqlite
    qt6-svg-dev kdegames-card-data-kf5
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    desktop-file-utils appstream
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin qt6-speech-flite-plugin
    speech-dispatcher
    at-spi2-core dbus-x11 python3-pyatspi xvfb xauth xdotool x11-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q "${missing[@]}"
fi
