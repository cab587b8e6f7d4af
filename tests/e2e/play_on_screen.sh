#!/usr/bin/env bash
# Plays a few keys on the real game window under Xvfb and checks the board on screenshots.
# Usage: play_on_screen.sh <tessaly executable> <folder for screenshots>
# Exits 77 (skipped) when Xvfb, xdotool, xclip, ImageMagick, setxkbmap, prlimit or a C compiler
# with libXtst are not installed.
set -euo pipefail

GAME=$1 SHOTS=$2 SKIP=77
for tool in Xvfb xdotool xclip import convert compare setxkbmap prlimit mkfifo cc; do
  command -v "$tool" >/dev/null 2>&1 || {
    echo "SKIPPED: $tool is not installed (needs xvfb, xdotool, xclip, imagemagick, x11-xkb-utils, util-linux and gcc)"
    exit $SKIP
  }
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
CELL_W=65 CELL_H=49
# The cell text starts at (w / 3 + 5, h / 3) inside the cell; this box (x y w h) holds the big digit.
DIGIT_BOX=(22 14 28 30)

XVFB_PID='' GAME_PID=''
trap 'kill $GAME_PID $XVFB_PID 2>/dev/null || true' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=/dev/null
. "$(dirname "$0")/../../scripts/start-xvfb.sh"

start_xvfb 91 160
# The game inherits SIGXFSZ ignored, so that the full disk of the file checks (a file size limit)
# fails its writes instead of killing it.
trap '' XFSZ
start_game "$GAME"
[ "$WIDTH" = 588 ] && [ "$HEIGHT" = 663 ] || fail "window is ${WIDTH}x${HEIGHT}, not 588x663"
ORIGIN_X=$X ORIGIN_Y=$Y
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
box() { echo "${4}x${5}+$(( $(cell_left "$1") + $2 ))+$(( $(cell_top "$1") + $3 ))"; }  # box CELL X Y W H
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
# Given cells are filled grey; the probe point lies inside the cell, clear of outlines and text.
is_given() { [[ $(pixel "$1" $(( $(cell_left "$2") + 6 )) $(( $(cell_top "$2") + 25 ))) == *"200,200,200"* ]]; }
# strokes PICTURE CELL OUTPUT...: the black strokes of the cell's big digit; small grey digits,
# grey fills and white drop out at the threshold.
strokes() { convert "$1" -crop "$(box "$2" "${DIGIT_BOX[@]}")" +repage -colorspace gray -threshold 30% "${@:3}"; }
black_fraction() { strokes "$1" "$2" -format '%[fx:1-mean]' info:; }
# Same digit: the strokes differ in a few edge pixels at most (anti-aliasing over grey or white).
same_glyph() { local d; d=$(compare -metric AE "$1" "$2" null: 2>&1 || true); [ "${d%%.*}" -le 12 ] 2>/dev/null; }
# grey_in PICTURE CELL X Y W H: the share of the small digits' grey, RGB(180,180,180), in that
# part of the cell; grey_fraction: anywhere inside the cell.
grey_in() {
  convert "$1" -crop "$(box "${@:2}")" +repage \
    -fuzz 12% -fill black -opaque 'rgb(180,180,180)' -fill white +opaque black -format '%[fx:1-mean]' info:
}
grey_fraction() { grey_in "$1" "$2" 5 5 55 39; }
more_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
point_at() {  # point_at CELL [X Y]: the pointer over the cell (by default its middle, which selects it)
  xdotool mousemove $(( ORIGIN_X + $(cell_left "$1") + ${2:-32} )) $(( ORIGIN_Y + $(cell_top "$1") + ${3:-24} ))
  sleep 0.1
}
window_up() {  # window_up SECONDS TITLE: the window's id once one with that title shows
  timeout "$1" xdotool search --sync --onlyvisible --name "^$2\$" | head -n 1
}
gone() {  # gone COMMAND...: waits up to 10 s for the command to fail
  for _ in $(seq 100); do "$@" >/dev/null 2>&1 || return 0; sleep 0.1; done
  return 1
}
message_shown() {  # message_shown NAME: a message box shows within 5 s; a screenshot of it, then OK
  window_up 5 "$(basename "$GAME")" >/dev/null || fail "$1: no message"
  shot "$1"
  xdotool key Return
}
choose_file() {  # choose_file Y TITLE PATH: clicks the left button at height Y and picks PATH in its file dialog
  xdotool mousemove $(( ORIGIN_X + 81 )) $(( ORIGIN_Y + $1 )) click 1
  window_up 10 "$2" >/dev/null || fail "no $2 dialog"
  xdotool type --delay 10 "$3"
  xdotool key Return
  # gone before the next click, or that click lands on it
  gone xdotool search --onlyvisible --name "^$2\$" || { shot dialog-open; fail "the $2 dialog for $3 stayed open ($SHOT)"; }
}

shot start
GLYPHS=$SHOTS/glyphs
mkdir -p "$GLYPHS"
GIVEN_GLYPHS=() OPEN_CELLS=()
for i in $(seq 0 80); do
  if is_given "$SHOT" "$i"; then strokes "$SHOT" "$i" "$GLYPHS/given-$i.png"; GIVEN_GLYPHS+=("$GLYPHS/given-$i.png")
  else OPEN_CELLS+=("$i"); fi
done
[ ${#OPEN_CELLS[@]} -gt 0 ] || fail "no cell that is not given"
TARGET=${OPEN_CELLS[0]}
echo "target cell $TARGET, ${#GIVEN_GLYPHS[@]} given cells"
more_than "$(grey_fraction "$SHOT" "$TARGET")" 0.01 || fail "the empty cell shows no small digits"

is_given_glyph() { local g; for g in "${GIVEN_GLYPHS[@]}"; do same_glyph "$g" "$1" && return 0; done; return 1; }
digit_in() {  # digit_in CELL NAME: the cell shows a digit drawn like the givens', kept as glyphs/NAME.png
  more_than "$(black_fraction "$SHOT" "$1")" 0.03 || fail "$2: no digit in cell $1 ($SHOT)"
  strokes "$SHOT" "$1" "$GLYPHS/$2.png"
  is_given_glyph "$GLYPHS/$2.png" || fail "$2: cell $1 shows no board digit ($SHOT)"
}
digit_like() {  # digit_like CELL NAME REFERENCE: the cell shows the digit of glyphs/REFERENCE.png
  digit_in "$1" "$2"
  same_glyph "$GLYPHS/$2.png" "$GLYPHS/$3.png" || fail "$2: cell $1 does not show the digit of $3 ($SHOT)"
}
empty_cell() {  # empty_cell CELL NAME
  [ "$(black_fraction "$SHOT" "$1")" = 0 ] || fail "$2: cell $1 is not empty ($SHOT)"
}
key_shows() {  # key_shows KEY NAME: the key typed, the target shows a board digit
  xdotool key "$1"
  shot "$2"
  digit_in "$TARGET" "$2"
}

point_at "$TARGET"
shot selected
[[ $(pixel "$SHOT" $(( $(cell_left "$TARGET") + 1 )) $(( $(cell_top "$TARGET") + 24 ))) == *20[01],0,0* ]] ||
  fail "the cell under the pointer is not outlined in red ($SHOT)"
empty_cell "$TARGET" "at the start"
key_shows 7 main-row-7
# Keypad 3 by its keycode in the server's default keymap: given by keysym, xdotool would
# switch NumLock on and off around the key, and that NumLock release would clear the cell.
key_shows 89 keypad-3
! same_glyph "$GLYPHS/keypad-3.png" "$GLYPHS/main-row-7.png" || fail "keypad 3 left the 7 in the cell"
key_shows space hint
xdotool key 0
shot cleared
empty_cell "$TARGET" "0"
more_than "$(grey_fraction "$SHOT" "$TARGET")" 0.01 || fail "the small digits did not come back ($SHOT)"

# Pencil marks and undo: a click on small digit 5 of the empty target cell crosses it out
# (its place turns white, digit 1 stays); Undo from the board's right-click menu brings it back.
# Digit 5 has the middle ninth of the cell (22..43, 17..32), digit 1 the top-left one.
xdotool click 1
shot mark-crossed-out
[ "$(grey_in "$SHOT" "$TARGET" 22 17 22 16)" = 0 ] || fail "small digit 5 is still drawn after its click ($SHOT)"
more_than "$(grey_in "$SHOT" "$TARGET" 4 4 17 12)" 0.01 || fail "small digit 1 went too ($SHOT)"
xdotool click 3
sleep 0.4
point_at "$TARGET" 62 36  # the menu opens at the pointer; "Undo" is its first entry
xdotool click 1
point_at "$TARGET"
shot undo
more_than "$(grey_in "$SHOT" "$TARGET" 22 17 22 16)" 0.01 || fail "Undo did not bring small digit 5 back ($SHOT)"

# ---- Real key events by keycode: held keys, other layouts, system keys ----
# A key held past the server's auto-repeat delay acts once, on its final release; the
# held Space takes one hint, so of two more cells the first gets the third hint and the
# second none.
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
for cell in "${OPEN_CELLS[3]}" "${OPEN_CELLS[4]}"; do point_at "$cell"; "$XKEYS" t:65; done
shot hints-after-hold
digit_in "${OPEN_CELLS[3]}" "third-hint"
empty_cell "${OPEN_CELLS[4]}" "fourth hint"

# The digit row by keycode (1 is 10, 2 is 11, 7 is 16), unshifted and with Shift held, on
# the French layout (unshifted & é è) and the German one (Shift gives " and /). Every
# step changes the digit, and a release of Shift clears, so the shifted ones are looked
# at before Shift goes up.
cell=${OPEN_CELLS[5]}
point_at "$cell"
setxkbmap us && sleep 0.5
for key in 10:1 16:7 11:2; do d=${key#*:}; "$XKEYS" "t:${key%:*}" && shot "us-$d" && digit_in "$cell" "us-$d"; done
setxkbmap fr && sleep 0.5
for key in 16:7 10:1 11:2; do d=${key#*:}; "$XKEYS" "t:${key%:*}" && shot "fr-$d" && digit_like "$cell" "fr-$d" "us-$d"; done
"$XKEYS" d:50 t:16 && shot fr-shift-7 && digit_like "$cell" fr-shift-7 us-7
"$XKEYS" u:50
setxkbmap de && sleep 0.5
"$XKEYS" d:50 t:11 && shot de-shift-2 && digit_like "$cell" de-shift-2 us-2
"$XKEYS" u:50 d:50 t:16 && shot de-shift-7 && digit_like "$cell" de-shift-7 us-7
"$XKEYS" u:50 t:10 && shot de-1 && digit_like "$cell" de-1 us-1
setxkbmap us && sleep 0.5

# Releasing Alt, releasing F10 and a digit let go while Alt is held change nothing on the cell,
# which shows the 1 of the layouts; a plain 0 afterwards still clears.
"$XKEYS" t:64 && shot alt && digit_like "$cell" alt us-1
"$XKEYS" t:76 && shot f10 && digit_like "$cell" f10 us-1
"$XKEYS" d:64 t:15 u:64 && shot alt-6 && digit_like "$cell" alt-6 us-1
"$XKEYS" t:19 && shot zero && empty_cell "$cell" "0 after the system keys"

# Control shortcuts by keycode (Control 37; on the US layout Z 52, Y 29, V 55, C 54): Ctrl+Z undoes
# the last digit and the Control release clears nothing; Ctrl+Y redoes; on the German layout the Z is
# the key the US layout calls Y.
cell=${OPEN_CELLS[6]}
point_at "$cell"
"$XKEYS" t:10 t:16 d:37 t:52 u:37 && shot ctrl-z && digit_like "$cell" ctrl-z us-1
"$XKEYS" d:37 t:29 u:37 && shot ctrl-y && digit_like "$cell" ctrl-y us-7
setxkbmap de && sleep 0.5
"$XKEYS" d:37 t:29 u:37 && shot de-ctrl-z && digit_like "$cell" de-ctrl-z us-1
setxkbmap us && sleep 0.5

# A puzzle put on the clipboard by another program and pasted with Ctrl+V (Yes to clearing the
# board) shows as in the text: givens grey exactly where it has digits, its 1s, 2s and 7s drawn like
# the ones typed before. Ctrl+C then gives the same 81 characters to another program.
PUZZLE=2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7
printf '%s\n' "$PUZZLE" | xclip -selection clipboard
"$XKEYS" d:37 t:55 u:37
window_up 5 Question >/dev/null || fail "Ctrl+V asked nothing"
shot paste-question
xdotool key Return
message_shown pasted-puzzle
shot pasted
for i in $(seq 0 80); do
  char=${PUZZLE:$(( (i % 9) * 9 + i / 9 )):1}  # screen row i % 9, column i / 9
  if is_given "$SHOT" "$i"; then [ "$char" != . ] || fail "pasted: cell $i is given ($SHOT)"
  else [ "$char" = . ] || fail "pasted: cell $i is not given ($SHOT)"; fi
  case $char in 1 | 2 | 7) digit_like "$i" "pasted-$i" "us-$char" ;; esac
done
"$XKEYS" d:37 t:54 u:37
sleep 0.4
[ "$(xclip -o -selection clipboard)" = "$PUZZLE" ] || fail "Ctrl+C gave '$(xclip -o -selection clipboard)'"

# ---- Files: a save on a full disk keeps the old file and says so; Load of a FIFO answers at once ----
files=$SHOTS/files entry=$SHOTS/entry
rm -rf "$files" "$entry"
mkdir -p "$files" "$entry"
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

# A puzzle saved while being entered, every third cell left open: loaded, it is still an entry
# (saved again, the same bytes), and Solve finishes it.
solution=437892615821536749956471823542169387369748152178325964684953271295617438713284596
zeros=000000000000000000000000000000000000000000000000000000000000000000000000000000000
printf '%s\r\n%s\r\n%s\r\n0\r\n' "$(sed 's/.\(..\)/0\1/g' <<<"$solution")" "$zeros" "$zeros" >"$entry/entry.sav"
choose_file 523 Open "$entry/entry.sav"  # Load Game
choose_file 494 "Save As" "$entry/again.sav"  # Save Game
cmp -s "$entry/entry.sav" "$entry/again.sav" || fail "the loaded entry saved as something else"
shot entry-loaded
for cell in 0 39 78; do empty_cell "$cell" "entry before Solve"; done
xdotool mousemove $(( ORIGIN_X + 81 )) $(( ORIGIN_Y + 553 )) click 1  # Solve
message_shown entry-solved
shot entry-board
for cell in 0 39 78; do digit_in "$cell" "entry-solved-$cell"; done

# Help on a board whose next step is a nested forcing chain searches for seconds: meanwhile the
# window still draws (the cell under the pointer gets its red outline) and shows no message yet;
# the advice comes when the search ends.
hard=000000001000002340035000060072000000650007080803025076086530000320076000507208600
printf '%s\r\n%s\r\n%s\r\n0\r\n' "$hard" "$hard" \
  764389521198652347235714869972863415651947283843125976486531792329476158517298634 >"$entry/hard.sav"
choose_file 523 Open "$entry/hard.sav"  # Load Game
xdotool mousemove $(( ORIGIN_X + 505 )) $(( ORIGIN_Y + 495 )) click 1  # Give me some help!
point_at 40
shot help-searching
! window_up 0.2 "$(basename "$GAME")" >/dev/null || fail "the help answered before the window could be used ($SHOT)"
[[ $(pixel "$SHOT" $(( $(cell_left 40) + 1 )) $(( $(cell_top 40) + 24 ))) == *20[01],0,0* ]] ||
  fail "the window did not draw the pointer's cell while the help searched ($SHOT)"
window_up 120 "$(basename "$GAME")" >/dev/null || fail "the help's search never answered"
shot help-advice
xdotool key Return

xdotool key Escape
QUESTION=$(window_up 10 Question) || fail "Escape did not ask the quit question"
shot question
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before the question was answered"
xdotool windowfocus --sync "$QUESTION" || true
xdotool key Return
gone kill -0 "$GAME_PID" || fail "the game did not end after Yes"
wait "$GAME_PID" || fail "the game ended with status $?"
GAME_PID=
echo "PASS: screenshots in $SHOTS"
