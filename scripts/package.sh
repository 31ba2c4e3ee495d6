#!/usr/bin/env bash
# Builds the Debian package of Tamzor from this checkout, as it is (uncommitted changes
# included), into FOLDER (build-deb/ by default), and runs lintian on it. As root: it installs
# the packaging tools and the build dependencies of debian/control with apt-get first.
#
#   sudo bash scripts/package.sh [FOLDER]
#   sudo apt install ./build-deb/tamzor_*.deb
#
# The package build leaves the tests and the benchmarks out; scripts/test.sh runs those.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
output="$(realpath -m "${1:-$root/build-deb}")"

if [ "$(id -u)" -ne 0 ]; then
    echo "Run this as root: it installs Debian packages." >&2
    exit 1
fi

scratch="$(mktemp -d /tmp/tamzor-package.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
version="$(sed -n '1s/^tamzor (\([^)]*\)).*/\1/p' "$root/debian/changelog")"
source_dir="$scratch/tamzor-$version"
mkdir "$source_dir"

# The tracked files and the new ones not ignored: never a build folder of the checkout.
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$root" ls-files -z --cached --others --exclude-standard |
        (cd "$root" && xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
        tar -C "$root" --null -T - -cf - | tar -C "$source_dir" -xf -
else
    tar -C "$root" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$source_dir" -xf -
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends dpkg-dev debhelper fakeroot lintian >/dev/null
apt-get build-dep -y -qq "$source_dir" >/dev/null

(cd "$source_dir" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b)

mkdir -p "$output"
cp "$scratch"/tamzor_"$version"_*.deb "$output/"
echo "lintian:"
lintian --fail-on error --display-info "$scratch"/tamzor_"$version"_*.changes
echo "Built $(ls "$output"/tamzor_"$version"_*.deb)"
