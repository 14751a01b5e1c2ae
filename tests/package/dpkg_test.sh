#!/usr/bin/env bash
# Packs the tree the suite runs in with CPack's DEB generator, installs the
# package with dpkg, plays its demo headless from /usr/share and removes it
# again. Skipped (77) where it would disturb the machine: not root, no dpkg,
# or a quarvelin package already installed.
set -euo pipefail
build=$(cd "$1" && pwd)
skip() { echo "dpkg_test: skipped: $*"; exit 77; }
fail() { echo "dpkg_test: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "not root"
command -v dpkg >/dev/null && command -v dpkg-shlibdeps >/dev/null || skip "no dpkg or dpkg-dev"
command -v cpack >/dev/null || skip "no cpack"
if dpkg-query -W -f='${Status}' quarvelin 2>/dev/null | grep -q 'install ok installed'; then
  skip "a quarvelin package is installed already"
fi

out=$(mktemp -d)
installed=no
cleanup() {
  if [ "$installed" = yes ]; then dpkg -r quarvelin >/dev/null 2>&1 || true; fi
  rm -rf "$out"
}
trap cleanup EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$out"/quarvelin_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libsdl2' || fail "the package does not depend on SDL2"

# Another apt or dpkg on the machine holds the lock for a while at most.
for attempt in $(seq 1 30); do
  if dpkg -i "$deb" >"$out/dpkg.log" 2>&1; then installed=yes; break; fi
  grep -q 'lock' "$out/dpkg.log" || { cat "$out/dpkg.log" >&2; fail "dpkg -i failed"; }
  sleep 2
done
[ "$installed" = yes ] || fail "dpkg stayed locked"

result=$(cd "$out" && /usr/bin/quarvelin script - -C /usr/share/quarvelin/demo --seed 1 <<'SCRIPT'
new-game
name Poutník
choose 1
dump
SCRIPT
)
printf '%s\n' "$result" | grep -q '"previous_location":1,' || fail "the installed demo did not play: $result"
dpkg -r quarvelin >/dev/null
installed=no
[ ! -e /usr/bin/quarvelin ] || fail "dpkg -r left /usr/bin/quarvelin"
echo "dpkg_test: ok"
