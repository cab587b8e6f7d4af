# Sourced by the scripts that drive the game on a virtual screen.
# start_xvfb FIRST LAST: starts Xvfb on the first free display number in FIRST..LAST, exports
# DISPLAY and sets XVFB_PID; calls the sourcing script's `fail` when no server comes up.
start_xvfb() {
  local n display_number=
  for n in $(seq "$1" "$2"); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      display_number=$n
      break
    fi
  done
  [ -n "$display_number" ] || fail "no free X display number"
  export DISPLAY=:$display_number
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"
}

# start_game EXECUTABLE: starts the game, sets GAME_PID and WINDOW, waits for the window and
# sets X, Y, WIDTH and HEIGHT to its place on the screen.
start_game() {
  "$1" &
  GAME_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "Brevmark Tessaly for windows" | head -n 1) ||
    fail "the game window did not appear"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
}

# grab_window PICTURE: a screenshot of the whole screen, cropped to the game window.
grab_window() {
  import -window root "$1.screen.png"
  convert "$1.screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
  rm -f "$1.screen.png"
}
