#!/usr/bin/env bash
# Checks the .deb that `make package` built: its file list and dependencies, lintian, the
# desktop metadata, the manual pages, the saved games' MIME type as the desktop sees it, and
# the unpacked game and tessaly-solve running from a temporary root.
# Usage: check-package.sh <folder holding the .deb> <folder for screenshots>
set -euo pipefail

DEB=$(ls "$1"/tessaly_*.deb | head -n 1)
SHOTS=$2
ROOT=$(mktemp -d)
WORK=$(mktemp -d)
XVFB_PID=
GAME_PID=
cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$ROOT" "$WORK"
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
./usr/share/doc/tessaly/copyright
./usr/share/man/man6/tessaly-solve.6.gz
./usr/share/man/man6/tessaly.6.gz
./usr/share/mime/packages/org.tessaly.Tessaly.xml"
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

echo "-- manual pages"
for page in tessaly tessaly-solve; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$ROOT/usr/share/man/man6/$page.6.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man finds faults in $page(6):
$warnings"
done
echo "tessaly(6) and tessaly-solve(6) read without warnings"

echo "-- the saved games' MIME type"
mime_xml=$ROOT/usr/share/mime/packages/org.tessaly.Tessaly.xml
xmllint --noout "$mime_xml"
type=$(xmllint --xpath 'string(//*[local-name()="mime-type"]/@type)' "$mime_xml")
grep -qx "MimeType=$type;" "$ROOT/usr/share/applications/org.tessaly.Tessaly.desktop" ||
  fail "the desktop entry does not open $type"
grep -q "<mediatype>$type</mediatype>" "$ROOT/usr/share/metainfo/org.tessaly.Tessaly.metainfo.xml" ||
  fail "the metainfo does not name $type"
# The database as an installed system builds it: what shared-mime-info knows, and ours.
mkdir -p "$WORK/mime/packages" "$WORK/home"
cp /usr/share/mime/packages/*.xml "$mime_xml" "$WORK/mime/packages/"
errors=$(XDG_DATA_DIRS=$WORK update-mime-database "$WORK/mime" 2>&1)
[ -z "$errors" ] || fail "update-mime-database: $errors"
# Files as the game writes them (three lines of 81 digits and the hint count, CR LF each), and
# .sav files of other programs: SPSS's, another game's text and another game's binary save.
printf '%s\r\n' 023056089056089023089023056014065097065097014097014065031042078042078031078031042 \
  023056089056089023089023056014065097065097014097014065031042078042078031078031042 \
  123456789456789123789123456214365897365897214897214365531642978642978531978531642 0 >"$WORK/game.sav"
cp "$WORK/game.sav" "$WORK/GAME.SAV"
printf '$FL2@(#) SPSS DATA FILE' >"$WORK/survey.sav"
printf 'level=4\r\nscore=1200\r\n' >"$WORK/quest.sav"
printf 'SAV\000\001\002\003\377' >"$WORK/binary.sav"
filetype() {
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID -u DISPLAY \
    XDG_DATA_DIRS="$WORK" XDG_DATA_HOME="$WORK/home" xdg-mime query filetype "$1"
}
for file in game.sav GAME.SAV survey.sav quest.sav binary.sav; do
  found=$(filetype "$WORK/$file")
  echo "$file: $found"
  case "$file" in
    game.sav | GAME.SAV) [ "$found" = "$type" ] || fail "$file, a saved game, is taken for $found" ;;
    *) [ "$found" != "$type" ] || fail "$file of another program is taken for a saved game" ;;
  esac
done

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
