#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not yet on this Debian 12 machine.
# Checks each package first, so a machine that has everything runs no apt-get at all.
set -euo pipefail

packages=(build-essential cmake pkg-config libwxgtk3.2-dev libglu1-mesa-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xfonts-base)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
