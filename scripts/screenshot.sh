#!/usr/bin/env bash
# Makes docs/screenshot.png: Tamzor on the sample configuration of scripts/try.sh, on a virtual X
# display, with the zone example.com and one of its records selected.
#
#   sudo bash scripts/screenshot.sh
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
output="$root/docs/screenshot.png"
for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: bash scripts/install-deps.sh" >&2
        exit 1
    fi
done

scratch="$(mktemp -d)"
# Xvfb picks a free display itself and names it on the given descriptor.
Xvfb -displayfd 3 -screen 0 1100x700x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
try=""
cleanup() {
    if [ -n "$try" ]; then kill "$try" 2>/dev/null || true; fi
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$scratch/display")"

# Settings of its own, so that the window has the size its form gives it.
XDG_CONFIG_HOME="$scratch" bash "$root/scripts/try.sh" >/dev/null &
try=$!

window="$(timeout 60 xdotool search --sync --onlyvisible --name '^Tamzor$' | head -n 1)"
sleep 1
xdotool windowfocus --sync "$window"
# The first zone of the sample, then one of its records; the window has no decorations here, so
# these points are fixed places in the window's own layout.
xdotool mousemove --window "$window" 60 140 click 1
sleep 0.5
xdotool mousemove --window "$window" 600 190 click 1
xdotool mousemove --window "$window" 900 560
sleep 0.5

mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
xdotool key ctrl+q
wait "$try" || true
try=""
echo "Wrote $output"
