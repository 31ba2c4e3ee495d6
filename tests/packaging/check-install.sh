#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the result as a distribution would: every
# expected file and no other, the desktop entry, the AppStream metadata, the polkit actions, the
# manual pages, the version, the installed translation, and the menu launcher's way through
# pkexec.
#
#   check-install.sh BUILD_DIR PREFIX VERSION SOURCE_DIR WITH_TAMZORCTL
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=common.sh
source "$here/common.sh"
build="$1" prefix="$2" version="$3" source_dir="$4" with_tamzorctl="$5"

require_tools cmake desktop-file-validate appstreamcli man xmllint

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
if ! DESTDIR="$root" cmake --install "$build" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log" >&2
    fail "cmake --install failed"
    finish
fi
installed="$root$prefix"

expected=(
    bin/tamzor
    libexec/tamzor/tamzor-pkexec
    share/applications/org.tamzor.tamzor.desktop
    share/icons/hicolor/scalable/apps/tamzor.svg
    share/man/man1/tamzor.1
    share/metainfo/org.tamzor.tamzor.metainfo.xml
    share/polkit-1/actions/org.tamzor.tamzor.policy
    share/tamzor/translations/tamzor_de.qm
)
[ "$with_tamzorctl" = 1 ] && expected+=(bin/tamzorctl share/man/man1/tamzorctl.1)
if ! diff -u <(printf "$prefix/%s\n" "${expected[@]}" | sort) \
    <(cd "$root" && find . ! -type d | sed 's|^\.||' | sort) >"$scratch/files.diff"; then
    fail "the installed files differ from the expected ones (-expected +installed):
$(cat "$scratch/files.diff")"
fi
for program in bin/tamzor libexec/tamzor/tamzor-pkexec; do
    [ -x "$installed/$program" ] || fail "$program is not executable"
done

desktop="$installed/share/applications/org.tamzor.tamzor.desktop"
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate fails"
[ -z "$report" ] || fail "desktop-file-validate: $report"
launcher="$(sed -n 's/^Exec=//p' "$desktop")"
[ "$launcher" = "$prefix/libexec/tamzor/tamzor-pkexec" ] ||
    fail "the menu entry runs $launcher, not the installed launcher"

report="$(appstreamcli validate-tree --no-net "$installed" 2>&1)" ||
    fail "appstreamcli validate-tree: $report"

# pkexec runs a program only under an action whose exec.path names it exactly.
policy="$installed/share/polkit-1/actions/org.tamzor.tamzor.policy"
report="$(xmllint --noout "$policy" 2>&1)" || fail "the polkit policy is no well-formed XML: $report"
paths="$(xmllint --xpath '//annotate[@key="org.freedesktop.policykit.exec.path"]/text()' "$policy" \
    2>/dev/null | sort | tr '\n' ' ')"
[ "$paths" = "$prefix/bin/tamzor $prefix/libexec/tamzor/tamzor-pkexec " ] ||
    fail "the polkit actions run '$paths' instead of the program and its launcher"
[ "$(xmllint --xpath 'count(//action[defaults/allow_active="auth_admin_keep"][annotate[@key="org.freedesktop.policykit.exec.allow_gui"]="true"])' "$policy")" = 2 ] ||
    fail "each polkit action must ask for an administrator (auth_admin_keep) and allow the display"

for page in "$installed"/share/man/man1/*.1; do
    report="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
    [ -z "$report" ] || fail "man warns on $(basename "$page"): $report"
    grep -q "^\.TH .* \"tamzor $version\"" "$page" || fail "$(basename "$page") does not name version $version"
done

answer="$("$installed/bin/tamzor" --version 2>&1)"
[ "$answer" = "Tamzor $version" ] || fail "tamzor --version answers '$answer', not 'Tamzor $version'"
changelog="$source_dir/debian/changelog"
if [ -f "$changelog" ]; then
    # The upstream part, before the Debian revision.
    package_version="$(sed -n '1s/^tamzor (\([^)]*\)-[^-)]*).*/\1/p' "$changelog")"
    [ "$package_version" = "$version" ] ||
        fail "debian/changelog names version $package_version, the build $version"
fi

# The installed program finds its translation beside itself, the built one in the build tree.
for program in "$installed/bin/tamzor" "$build/app/tamzor"; do
    english="$(env -u LANGUAGE LC_ALL=C "$program" --help 2>&1 | sed -n 2p)"
    german="$(LANGUAGE=de LC_ALL=de_DE.UTF-8 "$program" --help 2>&1 | sed -n 2p)"
    [ -n "$german" ] && [ "$german" != "$english" ] ||
        fail "$program does not speak German: '$german'"
done

# The launcher's two runs: the user's hands the display to pkexec as arguments, root's sets it
# again and starts the program. A stand-in pkexec records the first, a stand-in program the second.
if [ "$(id -u)" -eq 0 ]; then
    mkdir -m 755 "$scratch/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@"\n' >"$scratch/bin/pkexec"
    cat >"$scratch/bin/program" <<'SHOW'
#!/bin/sh
for name in DISPLAY XAUTHORITY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_RUNTIME_DIR LD_PRELOAD; do
    echo "$name=$(printenv "$name")"
done
printf 'argument=%s\n' "$@"
SHOW
    chmod 755 "$scratch" "$scratch/bin/pkexec" "$scratch/bin/program"
    mapfile -t handed < <(setpriv --reuid=65534 --regid=65534 --clear-groups \
        env -i PATH="$scratch/bin:/usr/bin:/bin" DISPLAY=:5 XAUTHORITY=/home/u/.Xauthority \
        WAYLAND_DISPLAY=wayland-1 XDG_RUNTIME_DIR=/run/user/65534 QT_QPA_PLATFORM=wayland \
        LD_PRELOAD= sh "$installed/libexec/tamzor/tamzor-pkexec" --first "two words")
    [ "${handed[0]:-}" = "$prefix/libexec/tamzor/tamzor-pkexec" ] ||
        fail "the launcher asks pkexec for '${handed[0]:-}', not for itself"
    sed "s|^program=.*|program='$scratch/bin/program'|" "$installed/libexec/tamzor/tamzor-pkexec" \
        >"$scratch/launcher"
    started="$(env -i PATH=/usr/bin:/bin sh "$scratch/launcher" "${handed[@]:1}")"
    expected_start="DISPLAY=:5
XAUTHORITY=/home/u/.Xauthority
WAYLAND_DISPLAY=/run/user/65534/wayland-1
QT_QPA_PLATFORM=wayland
XDG_RUNTIME_DIR=
LD_PRELOAD=
argument=--first
argument=two words"
    [ "$started" = "$expected_start" ] ||
        fail "the launcher starts the program with
$started
instead of
$expected_start"
    # Root's run sets nothing but the display's names, whoever made its arguments.
    started="$(env -i PATH=/usr/bin:/bin sh "$scratch/launcher" DISPLAY=:5 LD_PRELOAD=/x -- a)"
    [ "$(printf '%s\n' "$started" | grep -c '^LD_PRELOAD=$\|^argument=LD_PRELOAD=/x$')" = 2 ] ||
        fail "the launcher sets LD_PRELOAD from its arguments:
$started"
fi
finish
