#!/usr/bin/env bash
# End-to-end cases of the real vorna under Xvfb, driven with xdotool.
#   e2e.sh CASE VORNA SCRIPT_DIR
# Cases: click (click a button, see the caption, close by the close box,
# status 0), script-error (see the "Vorna" box, dismiss it, check the
# status), popup (a Popup closes itself after its seconds). The usage and
# missing-file boxes and the empty window end through the same paths and are
# tested in-process (tests/ui).
set -u
case_name=$1 vorna=$2 scripts=$3
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool python3; do
  command -v "$tool" >/dev/null || { echo "e2e needs $tool"; exit 1; }
done

work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; }
  [ -n "${xvfb:-}" ] && { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  [ -s "$work/vorna.log" ] && { echo "--- vorna's standard error:"; cat "$work/vorna.log"; }
  exit 1
}

# A display of our own at a random number, so that tests run side by side
# keep apart; a number that turns out to be taken is skipped.
for _ in $(seq 20); do
  number=$((RANDOM % 900 + 100))
  [ -e "/tmp/.X$number-lock" ] && continue
  # -noreset: the server must not reset when the last client (a probe) leaves.
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
  done
  kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; xvfb=
done
[ -n "${xvfb:-}" ] || { echo "FAIL: no X server"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# Waits up to 10 s for a visible window whose title is exactly $1.
find_window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}

# Waits for the program to end; its exit status goes to $status. (Not in a
# subshell: only this shell can wait for its child.)
wait_app() {
  for _ in $(seq 200); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$app" 2>/dev/null && { kill "$app"; fail "vorna did not end"; }
  wait "$app"
  status=$?
  app=
}

# Dismisses the "Vorna" message box with Enter and checks the status.
expect_box() {
  local expected=$1 id
  id=$(find_window Vorna) || fail "no Vorna message box"
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  sleep 0.2
  xdotool key --clearmodifiers Return
  wait_app
  [ "$status" = "$expected" ] || fail "exit status $status, expected $expected"
}

case $case_name in
click)
  "$vorna" "$scripts/click.vbs" 2>"$work/vorna.log" &
  app=$!
  id=$(find_window "E2E Test") || fail "dialog window not shown"
  # The button is the first control: 80 x 22 pixels at (5, 5).
  xdotool mousemove --sync --window "$id" 40 15 click 1
  find_window "Clicked OK" >/dev/null || fail "caption not set by OK_Click"
  python3 "$here/xclose.py" "$id"
  wait_app
  [ "$status" = 0 ] || fail "exit status $status after the close box"
  ;;
popup)
  # WScript.Shell's Popup with a time-out: the box shows, then closes itself.
  "$vorna" "$scripts/popup.vbs" 2>"$work/vorna.log" &
  app=$!
  find_window "Popup Test" >/dev/null || fail "the popup box was not shown"
  id=$(find_window "Popup answered -1") || fail "the popup did not close itself with -1"
  python3 "$here/xclose.py" "$id"
  wait_app
  [ "$status" = 0 ] || fail "exit status $status after the close box"
  ;;
script-error)
  "$vorna" "$scripts/error.vbs" 2>"$work/vorna.log" &
  app=$!
  expect_box 65
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
echo "PASS: $case_name"
