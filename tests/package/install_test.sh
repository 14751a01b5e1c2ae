#!/usr/bin/env bash
# Installs the built tree into a temporary root, as the package would, and
# checks what a player's desktop reads from it: the desktop entry and the
# AppStream metadata pass their validators, the icon and the manual page are
# there, the manual names every command the program knows, and the installed
# program plays the installed demo headless.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
app_id=example.quarvelin.Quarvelin
for file in bin/quarvelin libexec/quarvelin/quarvelin-desktop share/applications/$app_id.desktop \
            share/metainfo/$app_id.metainfo.xml share/man/man1/quarvelin.1.gz \
            share/icons/hicolor/256x256/apps/quarvelin.png share/icons/hicolor/48x48/apps/quarvelin.png \
            share/doc/quarvelin/copyright share/doc/quarvelin/changelog.gz \
            share/quarvelin/demo/data/inicializace.qvl share/quarvelin/demo/grafika/skin.ini; do
  [ -f "$usr/$file" ] || fail "not installed: /usr/$file"
done
[ ! -e "$usr/share/quarvelin/demo/save" ] || fail "the demo's save/ folder was installed"
[ ! -e "$usr/share/quarvelin/demo/README.md" ] || fail "the demo's README was installed"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/$app_id.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate failed on the metainfo"
fi
if command -v file >/dev/null; then
  file "$usr/share/icons/hicolor/256x256/apps/quarvelin.png" | grep -q "256 x 256" ||
    fail "the 256 pixel icon is not 256 x 256"
fi

man_source=$(gzip -dc "$usr/share/man/man1/quarvelin.1.gz")
if command -v man >/dev/null; then
  warnings=$(printf '%s\n' "$man_source" | MANWIDTH=80 man --warnings -l - 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
fi
# Every command the program lists in its help is in the manual.
commands=$("$usr/bin/quarvelin" --help | sed -n 's/^  \([a-z][a-z-]*\)[ ,].*/\1/p' | sort -u)
[ -n "$commands" ] || fail "no commands read from quarvelin --help"
for command in $commands; do
  printf '%s\n' "$man_source" | grep -q "^\.B[IR]* \"\?$command\b" ||
    fail "the manual page does not describe the command '$command'"
done

# The installed program plays the installed demo.
out=$(cd "$root" && "$usr/bin/quarvelin" script - -C "$usr/share/quarvelin/demo" --seed 1 <<'SCRIPT'
new-game
name Poutník
dump
choose 1
dump
SCRIPT
)
[ "$(printf '%s\n' "$out" | wc -l)" -eq 2 ] || fail "expected two dump lines, got: $out"
printf '%s\n' "$out" | head -1 | grep -q '"location":1,' || fail "the demo did not start at 1: $out"
printf '%s\n' "$out" | tail -1 | grep -q '"previous_location":1,' ||
  fail "choosing the first option did not leave location 1: $out"
if printf '%s\n' "$out" | grep -q '"error"'; then fail "the demo run failed: $out"; fi

# The installed program finds the installed demo for its shelf.
list=$(cd "$root" && XDG_DATA_HOME="$root/data" "$usr/bin/quarvelin" shelf --list)
printf '%s\n' "$list" | head -1 | grep -q "\"path\":\"$usr/share/quarvelin/demo\",\"archive\":false,\"bundled\":true" ||
  fail "the shelf does not list the installed demo first: $list"
printf '%s\n' "$list" | head -1 | grep -q '"title":"Noc ve mlýně"' || fail "the demo's title: $list"
echo "install_test: ok"
