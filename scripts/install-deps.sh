#!/usr/bin/env bash
# Installs, from Debian's packages, everything that building, running and testing Tamzor needs.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    echo "Run this as root: it installs Debian packages." >&2
    exit 1
fi

packages=(
    build-essential cmake pkg-config clang-format
    qtbase5-dev qtbase5-dev-tools libgl-dev qttools5-dev qttools5-dev-tools libqt5svg5
    bind9 bind9-dev bind9-utils bind9-dnsutils
    util-linux procps xvfb xauth xdotool imagemagick x11-apps x11-utils
    desktop-file-utils appstream man-db groff-base libxml2-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
