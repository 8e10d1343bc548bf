#!/usr/bin/env bash
# Builds the Debian package from the release preset and checks it as a clean machine would
# see it: unpacked into a scratch root, its programs run from there against the system's Qt,
# its desktop entry and metainfo validated, and lintian run over it (an error fails).
# Usage: scripts/check-package.sh      The package is left in build/release/.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

scripts/setup.sh release
scripts/install-packages.sh dpkg-dev file desktop-file-utils appstream lintian

version=$(sed -n 's/^project(melvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
rm -f build/release/melvane_*.deb
(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls build/release/melvane_*.deb)

scratch=$(mktemp -d)
game_pid=""
cleanup() {
  [ -z "$game_pid" ] || kill -KILL "$game_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
game="$root/usr/games/melvane"
math="$root/usr/games/melvane-math"

# Everything a desktop looks for, where it looks.
for path in usr/games/melvane usr/games/melvane-math \
    usr/share/applications/melvane.desktop usr/share/metainfo/io.github.melvane.Melvane.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/melvane.svg \
    usr/share/man/man6/melvane.6.gz usr/share/man/man6/melvane-math.6.gz \
    usr/share/doc/melvane/copyright usr/share/doc/melvane/changelog.gz \
    usr/share/melvane/translations/melvane_de.qm usr/share/melvane/translations/melvane_fr.qm \
    usr/share/melvane/translations/melvane_es.qm; do
  [ -e "$root/$path" ] || fail "the package has no /$path"
done
for size in 16 24 32 48 64 128 256 512; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/melvane.png"
  file -b "$png" | grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} PNG icon"
done
for program in "$game" "$math"; do
  if ldd "$program" | grep -q 'not found'; then
    ldd "$program" | grep 'not found' >&2
    fail "$(basename "$program") misses a library"
  fi
done

# The unpacked programs, as installed.
[ "$("$math" --version)" = "melvane-math $version" ] || fail "melvane-math --version"
"$math" rtp | grep -q "Realistic" || fail "melvane-math rtp printed no table"
# The installed translations come before the built-in copy: German files holding French speak French.
"$math" --help | grep -q "^usage:" || fail "melvane-math --help in English"
LANGUAGE=de "$math" --help | grep -q "^Aufruf:" || fail "melvane-math --help in German"
translations="$root/usr/share/melvane/translations"
cp "$translations/melvane_de.qm" "$scratch/melvane_de.qm"
cp "$translations/melvane_fr.qm" "$translations/melvane_de.qm"
LANGUAGE=de "$math" --help | grep -q "^utilisation :" || fail "melvane-math did not read its installed translations"
cp "$scratch/melvane_de.qm" "$translations/melvane_de.qm"
[ "$(QT_QPA_PLATFORM=offscreen "$game" --version)" = "melvane $version" ] || fail "melvane --version"

# A start and a close: once the game has taken over SIGTERM it is up, and SIGTERM closes it
# as the close box does, saving the chosen player's profile.
settings="$scratch/settings"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch" "$game" --settings "$settings" --player 3 \
  >"$scratch/game.log" 2>&1 &
game_pid=$!
sigterm_bit=$((1 << (15 - 1)))
for _ in $(seq 100); do
  caught=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$game_pid/status" 2>/dev/null || true)
  [ -n "$caught" ] && (((16#$caught & sigterm_bit) != 0)) && break
  sleep 0.1
done
sleep 0.5 # a moment of play: the start-up clip and the first frames
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
if [ "$status" -ne 0 ]; then
  cat "$scratch/game.log" >&2
  fail "the game ended with status $status after SIGTERM"
fi
grep -q '^\[player3\]' "$settings/Melvane/keys.conf" 2>/dev/null || fail "the game saved no profile for player 3"

# The desktop's own validators, and Debian's.
desktop-file-validate "$root/usr/share/applications/melvane.desktop"
grep -qx "Exec=/usr/games/melvane" "$root/usr/share/applications/melvane.desktop" || fail "the desktop entry's Exec"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.melvane.Melvane.metainfo.xml" >/dev/null ||
  fail "appstreamcli refused the metainfo"
lintian_log="$scratch/lintian.log"
lintian_status=0
lintian --fail-on error "$deb" 2>&1 | { grep -v 'running with root privileges' || true; } >"$lintian_log" ||
  lintian_status=$?
sed 's/^/lintian: /' "$lintian_log"
[ "$lintian_status" -eq 0 ] || fail "lintian found errors"

echo "check-package: $(basename "$deb"), $(stat -c %s "$deb") bytes, installed size" \
  "$(dpkg-deb -f "$deb" Installed-Size) KiB, lintian: $(grep -c '^E: ' "$lintian_log") error(s)," \
  "$(grep -c '^W: ' "$lintian_log") warning(s), $(( $(date +%s) - started )) s"
