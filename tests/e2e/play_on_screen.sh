#!/usr/bin/env bash
# Plays a few keys on the real game window under Xvfb and checks the board on screenshots.
# Usage: play_on_screen.sh <tessaly executable> <folder for screenshots>
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick, setxkbmap, prlimit or a C compiler
# with libXtst are not installed.
set -euo pipefail

GAME=$1
SHOTS=$2
SKIP=77

for tool in Xvfb xdotool import convert compare setxkbmap prlimit mkfifo cc; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (needs xvfb, xdotool, imagemagick, x11-xkb-utils, util-linux and gcc)"
    exit $SKIP
  fi
done
mkdir -p "$SHOTS"
rm -rf "$SHOTS"/*.png "$SHOTS/glyphs"
# Raw key events by keycode, with no modifier presses of the sender's own.
XKEYS=$SHOTS/xkeys
cc -o "$XKEYS" "$(dirname "$0")/xkeys.c" -lX11 -lXtst 2>"$SHOTS/xkeys.log" || {
  echo "SKIPPED: cannot build the XTest key sender (needs libxtst-dev): $(head -n 1 "$SHOTS/xkeys.log")"
  exit $SKIP
}

# Board geometry: cells 65 x 49 px, column by column, the board at the client's 0,0.
CELL_W=65
CELL_H=49
# The cell text starts at (w / 3 + 5, h / 3) inside the cell; this box holds the big digit.
DIGIT_X=22 DIGIT_Y=14 DIGIT_W=28 DIGIT_H=30

XVFB_PID=
GAME_PID=
cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# shellcheck source=/dev/null
. "$(dirname "$0")/../../scripts/start-xvfb.sh"

start_xvfb 91 160

# The game inherits SIGXFSZ ignored, so that the full disk of case_files (a file size limit)
# fails its writes instead of killing it.
trap '' XFSZ
start_game "$GAME"
[ "$WIDTH" = 588 ] && [ "$HEIGHT" = 663 ] || fail "window is ${WIDTH}x${HEIGHT}, not 588x663"
ORIGIN_X=$X
ORIGIN_Y=$Y
xdotool windowfocus --sync "$WINDOW" || true
# NumLock on before anything else: its own release clears the selected cell like any key.
xdotool key Num_Lock

step=0
shot() {  # shot NAME: a screenshot of the whole screen, cropped to the window, as $SHOT
  step=$((step + 1))
  sleep 0.4
  SHOT=$SHOTS/$(printf '%02d' $step)-$1.png
  grab_window "$SHOT"
}
cell_left() { echo $(( ($1 / 9) * CELL_W )); }
cell_top() { echo $(( ($1 % 9) * CELL_H )); }
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
# glyph PICTURE CELL OUT: the black strokes of the cell's big digit into OUT; small grey
# digits, grey fills and white drop out at the threshold.
glyph() {
  convert "$1" -crop "${DIGIT_W}x${DIGIT_H}+$(( $(cell_left "$2") + DIGIT_X ))+$(( $(cell_top "$2") + DIGIT_Y ))" \
    +repage -colorspace gray -threshold 30% "$3"
}
# Same digit: the strokes differ in a few edge pixels at most (anti-aliasing over grey or white).
same_glyph() {
  local differing
  differing=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
  [ "${differing%%.*}" -le 12 ] 2>/dev/null
}
black_fraction() {
  convert "$1" -crop "${DIGIT_W}x${DIGIT_H}+$(( $(cell_left "$2") + DIGIT_X ))+$(( $(cell_top "$2") + DIGIT_Y ))" \
    +repage -colorspace gray -threshold 30% -format '%[fx:1-mean]' info:
}
# grey_in PICTURE CELL DX DY W H: the share of the small digits' grey, RGB(180,180,180), in that
# part of the cell; grey_fraction: anywhere inside the cell.
grey_in() {
  convert "$1" -crop "${5}x${6}+$(( $(cell_left "$2") + $3 ))+$(( $(cell_top "$2") + $4 ))" +repage \
    -fuzz 12% -fill black -opaque 'rgb(180,180,180)' -fill white +opaque black -format '%[fx:1-mean]' info:
}
grey_fraction() { grey_in "$1" "$2" 5 5 55 39; }
more_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

shot start
# Given cells are filled grey; the probe point lies inside the cell, clear of outlines and text.
TARGET=-1
GLYPHS=$SHOTS/glyphs
mkdir -p "$GLYPHS"
declare -a GIVEN_GLYPHS=()
declare -a OPEN_CELLS=()
for i in $(seq 0 80); do
  colour=$(pixel "$SHOT" $(( $(cell_left "$i") + 6 )) $(( $(cell_top "$i") + 25 )))
  case "$colour" in
    *"200,200,200"*)
      glyph "$SHOT" "$i" "$GLYPHS/given-$i.png"
      GIVEN_GLYPHS+=("$GLYPHS/given-$i.png") ;;
    *) OPEN_CELLS+=("$i")
       [ "$TARGET" -lt 0 ] && TARGET=$i ;;
  esac
done
[ "$TARGET" -ge 0 ] || fail "no cell that is not given"
[ ${#GIVEN_GLYPHS[@]} -gt 0 ] || fail "no given cell on the first game"
echo "target cell $TARGET, ${#GIVEN_GLYPHS[@]} given cells"
more_than "$(grey_fraction "$SHOT" "$TARGET")" 0.01 || fail "the empty cell shows no small digits"

is_given_glyph() {
  local g
  for g in "${GIVEN_GLYPHS[@]}"; do same_glyph "$g" "$1" && return 0; done
  return 1
}
digit_in() {  # digit_in CELL NAME: the cell shows a digit drawn like the givens', kept as glyphs/NAME.png
  more_than "$(black_fraction "$SHOT" "$1")" 0.03 || fail "$2: no digit in cell $1 ($SHOT)"
  glyph "$SHOT" "$1" "$GLYPHS/$2.png"
  is_given_glyph "$GLYPHS/$2.png" || fail "$2: cell $1 shows no board digit ($SHOT)"
}
empty_cell() {  # empty_cell CELL NAME
  [ "$(black_fraction "$SHOT" "$1")" = 0 ] || fail "$2: cell $1 is not empty ($SHOT)"
}

xdotool mousemove $(( ORIGIN_X + $(cell_left "$TARGET") + 32 )) $(( ORIGIN_Y + $(cell_top "$TARGET") + 24 ))
shot selected
case "$(pixel "$SHOT" $(( $(cell_left "$TARGET") + 1 )) $(( $(cell_top "$TARGET") + 24 )))" in
  *"200,0,0"* | *"201,0,0"*) ;;
  *) fail "the cell under the pointer is not outlined in red ($SHOT)" ;;
esac
empty_cell "$TARGET" "at the start"

xdotool key 7
shot main-row-7
digit_in "$TARGET" main-row-7

# Keypad 3 by its keycode in the server's default keymap: given by keysym, xdotool would
# switch NumLock on and off around the key, and that NumLock release would clear the cell.
xdotool key 89
shot keypad-3
digit_in "$TARGET" keypad-3
! same_glyph "$GLYPHS/keypad-3.png" "$GLYPHS/main-row-7.png" || fail "keypad 3 left the 7 in the cell"

xdotool key space
shot hint
digit_in "$TARGET" "hint"

xdotool key 0
shot cleared
empty_cell "$TARGET" "0"
more_than "$(grey_fraction "$SHOT" "$TARGET")" 0.01 || fail "the small digits did not come back ($SHOT)"

# Pencil marks and undo: a click on small digit 5 of the empty target cell crosses it out
# (its place turns white, digit 1 stays); Undo from the board's right-click menu brings it back.
check_marks_and_undo() {
  local left top
  left=$(( ORIGIN_X + $(cell_left "$TARGET") ))
  top=$(( ORIGIN_Y + $(cell_top "$TARGET") ))
  # Digit 5 has the middle ninth of the cell (22..43, 17..32), digit 1 the top-left one.
  xdotool mousemove $(( left + 32 )) $(( top + 24 )) click 1
  shot mark-crossed-out
  [ "$(grey_in "$SHOT" "$TARGET" 22 17 22 16)" = 0 ] || fail "small digit 5 is still drawn after its click ($SHOT)"
  more_than "$(grey_in "$SHOT" "$TARGET" 4 4 17 12)" 0.01 || fail "small digit 1 went too ($SHOT)"

  xdotool click 3
  sleep 0.4
  # The menu opens at the pointer; "Undo" is its first entry.
  xdotool mousemove $(( left + 32 + 30 )) $(( top + 24 + 12 )) click 1
  xdotool mousemove $(( left + 32 )) $(( top + 24 ))
  shot undo
  more_than "$(grey_in "$SHOT" "$TARGET" 22 17 22 16)" 0.01 || fail "Undo did not bring small digit 5 back ($SHOT)"
}
check_marks_and_undo

# ---- Real key events by keycode: held keys, other layouts, system keys ----
point_at() {  # point_at CELL: the pointer over the cell, which selects it
  xdotool mousemove $(( ORIGIN_X + $(cell_left "$1") + 32 )) $(( ORIGIN_Y + $(cell_top "$1") + 24 ))
  sleep 0.1
}
digit_like() {  # digit_like CELL NAME REFERENCE: the cell shows the digit of glyphs/REFERENCE.png
  digit_in "$1" "$2"
  same_glyph "$GLYPHS/$2.png" "$GLYPHS/$3.png" || fail "$2: cell $1 does not show the digit of $3 ($SHOT)"
}

# A key held past the server's auto-repeat delay acts once, on its final release; the
# held Space takes one hint, so of two more cells the first gets the third hint and the
# second none.
case_held_keys() {
  local held name keycode cell
  "$XKEYS" repeat:on
  for held in "${OPEN_CELLS[1]}:17:held-8" "${OPEN_CELLS[2]}:65:held-space"; do
    IFS=: read -r cell keycode name <<<"$held"
    point_at "$cell"
    "$XKEYS" "d:$keycode"
    sleep 1.1
    shot "$name-down"
    "$XKEYS" s:400 "u:$keycode"
    empty_cell "$cell" "$name while held"
    shot "$name-up"
    digit_in "$cell" "$name"
  done
  point_at "${OPEN_CELLS[3]}"
  "$XKEYS" t:65
  point_at "${OPEN_CELLS[4]}"
  "$XKEYS" t:65
  shot hints-after-hold
  digit_in "${OPEN_CELLS[3]}" "third-hint"
  empty_cell "${OPEN_CELLS[4]}" "fourth hint"
}

# The digit row by keycode (1 is 10, 2 is 11, 7 is 16), unshifted and with Shift held, on
# the French layout (unshifted & é è) and the German one (Shift gives " and /). Every
# step changes the digit, and a release of Shift clears, so the shifted ones are looked
# at before Shift goes up.
case_layouts() {
  local cell=${OPEN_CELLS[5]}
  point_at "$cell"
  setxkbmap us && sleep 0.5
  "$XKEYS" t:10 && shot us-1 && digit_in "$cell" us-1
  "$XKEYS" t:16 && shot us-7 && digit_in "$cell" us-7
  "$XKEYS" t:11 && shot us-2 && digit_in "$cell" us-2
  setxkbmap fr && sleep 0.5
  "$XKEYS" t:16 && shot fr-7 && digit_like "$cell" fr-7 us-7
  "$XKEYS" t:10 && shot fr-1 && digit_like "$cell" fr-1 us-1
  "$XKEYS" t:11 && shot fr-2 && digit_like "$cell" fr-2 us-2
  "$XKEYS" d:50 t:16 && shot fr-shift-7 && digit_like "$cell" fr-shift-7 us-7
  "$XKEYS" u:50
  setxkbmap de && sleep 0.5
  "$XKEYS" d:50 t:11 && shot de-shift-2 && digit_like "$cell" de-shift-2 us-2
  "$XKEYS" u:50 d:50 t:16 && shot de-shift-7 && digit_like "$cell" de-shift-7 us-7
  "$XKEYS" u:50 t:10 && shot de-1 && digit_like "$cell" de-1 us-1
  setxkbmap us && sleep 0.5
}

# Releasing Alt, releasing F10 and a digit let go while Alt is held change nothing; a
# plain 0 afterwards still clears.
case_system_keys() {
  local cell=${OPEN_CELLS[5]}  # shows the 1 of the layouts
  point_at "$cell"
  "$XKEYS" t:64 && shot alt && digit_like "$cell" alt us-1
  "$XKEYS" t:76 && shot f10 && digit_like "$cell" f10 us-1
  "$XKEYS" d:64 t:15 u:64 && shot alt-6 && digit_like "$cell" alt-6 us-1
  "$XKEYS" t:19 && shot zero && empty_cell "$cell" "0 after the system keys"
}

# ---- Files: a save on a full disk keeps the old file and says so; Load of a FIFO answers at once ----
message_shown() {  # message_shown NAME: a message box shows within 5 s; a screenshot of it, then OK
  timeout 5 xdotool search --sync --onlyvisible --name "^$(basename "$GAME")\$" >/dev/null || fail "$1: no message"
  shot "$1"
  xdotool key Return
}
choose_file() {  # choose_file Y TITLE PATH: clicks the left button at height Y and picks PATH in its file dialog
  xdotool mousemove $(( ORIGIN_X + 81 )) $(( ORIGIN_Y + $1 )) click 1
  timeout 10 xdotool search --sync --onlyvisible --name "^$2\$" >/dev/null || fail "no $2 dialog"
  xdotool type --delay 10 "$3"
  xdotool key Return
}
case_files() {
  local files=$SHOTS/files
  rm -rf "$files"
  mkdir -p "$files"
  printf 'an older saved game\r\n' >"$files/game.sav"
  cp "$files/game.sav" "$SHOTS/game.sav.before"
  mkfifo "$files/pipe.sav"
  # A full disk for the game alone: no file of it may grow past 100 bytes.
  prlimit --pid "$GAME_PID" --fsize=100:
  choose_file 494 "Save As" "$files/game.sav"  # Save Game
  message_shown save-on-full-disk
  prlimit --pid "$GAME_PID" --fsize=unlimited:
  cmp -s "$files/game.sav" "$SHOTS/game.sav.before" || fail "the save on a full disk changed the old file"
  [ "$(ls -A "$files" | tr '\n' ' ')" = "game.sav pipe.sav " ] || fail "the save left $(ls -A "$files") behind"
  choose_file 523 Open "$files/pipe.sav"  # Load Game
  message_shown load-fifo
}

case_held_keys
case_layouts
case_system_keys
case_files

xdotool key Escape
QUESTION=$(timeout 10 xdotool search --sync --onlyvisible --name "^Question$" | head -n 1) ||
  fail "Escape did not ask the quit question"
shot question
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before the question was answered"
xdotool windowfocus --sync "$QUESTION" || true
xdotool key Return
for _ in $(seq 100); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$GAME_PID" 2>/dev/null; then
  fail "the game did not end after Yes"
fi
wait "$GAME_PID" || fail "the game ended with status $?"
GAME_PID=
echo "PASS: screenshots in $SHOTS"
