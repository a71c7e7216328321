#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its end-to-end checks need.
# Idempotent, and silent when everything is already there.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-mixer1.2-dev
  libfontconfig1-dev libstb-dev fonts-liberation2 python3-cairo optipng
  libgtest-dev libbenchmark-dev clang
  xvfb xdotool imagemagick x11-utils xclip
  lintian desktop-file-utils appstream
)
# The web edition and its browser tests: the compiler, Node for it and for playwright-core,
# and the browser the tests drive.
if [ -n "${QV_WEB:-}" ]; then
  packages+=(emscripten node-acorn chromium)
  command -v npm >/dev/null || packages+=(nodejs npm)
fi
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
