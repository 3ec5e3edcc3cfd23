#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs every Debian package the project builds, tests and runs with.
# Idempotent: does nothing when all are present, so every make target may call it.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config tzdata
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates qml6-module-qtquick-layouts
  qml6-module-qtquick-shapes qml6-module-qtquick-window qml6-module-qtqml qml6-module-qtqml-workerscript qml6-module-qtqml-models
  qml6-module-qttest qml6-module-qtpositioning qml6-module-qtsensors qml6-module-qtmultimedia qt6-positioning-dev
  qt6-sensors-dev qt6-multimedia-dev qt6-svg-dev qt6-shadertools-dev qt6-l10n-tools qt6-tools-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good libgtest-dev googletest libgmock-dev
  libbenchmark-dev liberfa-dev libhowardhinnant-date-dev libicu-dev libsndfile1-dev fonts-dejavu-core xvfb xauth
  libgl1-mesa-dri mesa-vulkan-drivers libvulkan1 pulseaudio pulseaudio-utils dbus sox imagemagick
  libical-dev
  desktop-file-utils appstream lintian dpkg-dev file
  python3 clang-format
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${#missing[@]} package(s): ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "bootstrap: run as root or install sudo" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
