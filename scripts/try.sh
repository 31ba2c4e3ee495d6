#!/usr/bin/env bash
# Tries Tamzor on a sample BIND configuration without touching this machine's DNS server. In a
# private mount namespace a scratch copy of scripts/sample/ stands in for /etc/bind, a scratch
# folder for /var/backups, and stand-ins for systemctl and rndc only pretend to start, stop,
# restart and reload bind9. BIND's own checkers and compiler do the checking, so every command
# behaves as it would on a server.
#
#   sudo -E bash scripts/try.sh [DIRECTORY]
#
# DIRECTORY keeps the sample configuration between tries (it is filled from the sample when it
# holds no named.conf); without it a fresh copy is used and thrown away at the end.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
program="$root/build/app/tamzor"

if [ "${1:-}" = "--inside" ]; then
    # Only this namespace sees these mounts; they end with its last process.
    mount --bind "$2" /etc/bind
    mount --bind "$4" /var/backups
    mount --bind "$3/rndc" /usr/sbin/rndc
    PATH="$3:$PATH" exec "$program"
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Tamzor manages BIND as root: run this as root (sudo -E keeps your display)." >&2
    exit 1
fi
if [ ! -d /etc/bind ]; then
    echo "/etc/bind is missing: install bind9 first (bash scripts/install-deps.sh)." >&2
    exit 1
fi
[ -x "$program" ] || bash "$root/scripts/build.sh"

scratch="$(mktemp -d /tmp/tamzor-try.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT

configuration="${1:-$scratch/bind}"
mkdir -p "$configuration"
[ -f "$configuration/named.conf" ] || cp "$root/scripts/sample/"* "$configuration/"
configuration="$(cd "$configuration" && pwd)"

mkdir "$scratch/bin"
{
    echo '#!/bin/sh'
    echo '# Stands in for systemctl while Tamzor is tried: it only remembers whether bind9 "runs".'
    echo "state='$scratch/bind9-active'"
    echo 'case "$1" in'
    echo 'is-active) [ -f "$state" ] ;;'
    echo 'start | restart) touch "$state" ;;'
    echo 'stop) rm -f "$state" ;;'
    echo 'reload) [ -f "$state" ] ;;'
    echo '*) echo "systemctl stand-in: $* is not supported here" >&2; exit 1 ;;'
    echo 'esac'
} >"$scratch/bin/systemctl"
{
    echo '#!/bin/sh'
    echo '# Stands in for rndc while Tamzor is tried: the machine'"'"'s named is never told anything.'
    echo 'echo "rndc stand-in: $*"'
} >"$scratch/bin/rndc"
chmod 755 "$scratch/bin/systemctl" "$scratch/bin/rndc"
mkdir "$scratch/backups"

echo "Trying Tamzor on $configuration (this machine's /etc/bind stays untouched)."
status=0
unshare --mount --propagation private bash "$root/scripts/try.sh" --inside "$configuration" \
    "$scratch/bin" "$scratch/backups" || status=$?
exit "$status"
