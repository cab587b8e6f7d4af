#!/usr/bin/env bash
# Checks the .deb that `make package` built: its file list and dependencies, lintian, the
# desktop metadata, and the unpacked game and tessaly-solve running from a temporary root.
# Usage: check-package.sh <folder holding the .deb> <folder for screenshots>
set -euo pipefail

DEB=$(ls "$1"/tessaly_*.deb | head -n 1)
SHOTS=$2
ROOT=$(mktemp -d)
XVFB_PID=
GAME_PID=
cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$ROOT"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# shellcheck source=/dev/null
. "$(dirname "$0")/start-xvfb.sh"

echo "-- $DEB"
dpkg-deb --info "$DEB"
dpkg-deb --contents "$DEB"

# Exactly these files and links, nothing of the build's tools or tests.
expected="./usr/bin/tessaly -> ../libexec/tessaly/tessaly
./usr/bin/tessaly-solve
./usr/libexec/tessaly/data.dat
./usr/libexec/tessaly/tessaly
./usr/share/applications/org.tessaly.Tessaly.desktop
./usr/share/doc/tessaly/changelog.Debian.gz
./usr/share/doc/tessaly/copyright"
for size in 128 16 256 32 48 64; do
  expected+="
./usr/share/icons/hicolor/${size}x${size}/apps/org.tessaly.Tessaly.png"
done
expected+="
./usr/share/metainfo/org.tessaly.Tessaly.metainfo.xml"
actual=$(dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' | sort)
[ "$actual" = "$(sort <<<"$expected")" ] || fail "the package holds other files than expected:
$(diff <(sort <<<"$expected") <(echo "$actual") || true)"

depends=$(dpkg-deb --field "$DEB" Depends)
echo "-- Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ "$depends" == *"$library "* || "$depends" == *"$library," || "$depends" == *"$library" ]] ||
    fail "Depends lacks $library"
done

echo "-- lintian"
lintian --fail-on error "$DEB"

dpkg-deb -x "$DEB" "$ROOT"
echo "-- metadata"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/org.tessaly.Tessaly.metainfo.xml"
desktop-file-validate "$ROOT/usr/share/applications/org.tessaly.Tessaly.desktop"
echo "desktop entry valid"

echo "-- the unpacked tessaly-solve"
answers=$(printf '%s\n' \
  ".....6....59.....82....8....45........3........6..3.54...325..6.................." \
  "437892615821536749956471823542169387369748152178325964684953271295617438713284590" \
  "11..............................................................................." |
  "$ROOT/usr/bin/tessaly-solve")
expected_answers="138246579659137248274598163745682391813459627926713854487325916362971485591864732
437892615821536749956471823542169387369748152178325964684953271295617438713284596
No Answer"
[ "$answers" = "$expected_answers" ] || fail "tessaly-solve answered:
$answers"
echo "3 grids answered"

echo "-- the unpacked game under Xvfb"
mkdir -p "$SHOTS"
start_xvfb 161 230
start_game "$ROOT/usr/bin/tessaly"
sleep 0.5
SHOT=$SHOTS/unpacked-game.png
grab_window "$SHOT"
# A dealt game: cells filled grey as givens (cells 65 x 49 px, column by column), each
# with a black digit, and some open cells.
given=0
for i in $(seq 0 80); do
  left=$(( (i / 9) * 65 )) top=$(( (i % 9) * 49 ))
  case "$(convert "$SHOT" -format "%[pixel:p{$((left + 6)),$((top + 25))}]" info:)" in
    *"200,200,200"*)
      dark=$(convert "$SHOT" -crop "28x30+$((left + 22))+$((top + 14))" +repage -colorspace gray \
        -threshold 30% -format '%[fx:1-mean]' info:)
      awk -v d="$dark" 'BEGIN { exit !(d > 0.03) }' || fail "given cell $i shows no digit ($SHOT)"
      given=$((given + 1)) ;;
  esac
done
[ "$given" -gt 17 ] && [ "$given" -lt 81 ] || fail "$given given cells: no dealt game ($SHOT)"
echo "the window shows a dealt game with $given givens ($SHOT)"
