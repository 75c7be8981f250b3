#!/usr/bin/env bash
# Runs vorna on a script under Xvfb and saves a PNG of its dialog window.
#   screenshot.sh VORNA SCRIPT OUT.png
# Needs Xvfb, xdotool and ImageMagick's import.
set -eu
vorna=$1 script=$2 out=$3
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb
"$vorna" "$script" &
app=$!
id=
for _ in $(seq 200); do
  id=$(xdotool search --onlyvisible --pid $app 2>/dev/null | head -1) && [ -n "$id" ] && break
  sleep 0.05
done
[ -n "$id" ] || { echo "no window"; exit 1; }
sleep 0.5
import -window "$id" "$out"
echo "$(xdotool getwindowname "$id"): $(xdotool getwindowgeometry "$id" | tr '\n' ' ')"
