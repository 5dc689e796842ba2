#!/usr/bin/env bash
# A picture of the window with the readout open, on a virtual X server with
# openbox and the installed fonts, in a throw-away home and program folder:
# the base is BIN, the word size as given, two entries on the stack and a
# value of that many bits typed into the input line.
# Usage: scripts/readout_screenshot.sh [build-dir] [word size] [out.png]
#        (defaults: build, 128, docs/readout.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
ws=${2:-128}
out=$(realpath -m "${3:-docs/readout.png}")
program=$(realpath "$build/src/app/quarnel")
pattern=$(python3 -c "print(bin(int('DEADBEEFCAFEF00D0123456789ABCDEF', 16) >> (128 - $ws))[2:])")

sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
export SANDBOX=$sandbox PROGRAM=$program OUT=$out PATTERN=$pattern WS=$ws
bash tests/field/under_wm.sh bash -c '
  set -euo pipefail
  source tests/support/x_session.sh
  make_sandbox "$SANDBOX" "$PROGRAM"
  printf "[Modes]\nBase=3\nWordSize=%s\n\n[Readout]\nShown=1\n" "$WS" >"$SANDBOX/prog/quarnel.INI"
  start_quarnel "$SANDBOX" "$SANDBOX/log"
  xdotool type --delay 20 "1011"; xdotool key Return
  xdotool type --delay 20 "11110000"; xdotool key Return
  xdotool type --delay 5 "$PATTERN"
  sleep 0.8
  # The frame around the client area, as the window manager drew it.
  x=$(xwininfo -id "$wid" | sed -n "s/.*Absolute upper-left X: *//p")
  y=$(xwininfo -id "$wid" | sed -n "s/.*Absolute upper-left Y: *//p")
  w=$(xwininfo -id "$wid" | sed -n "s/.*Width: *//p")
  h=$(xwininfo -id "$wid" | sed -n "s/.*Height: *//p")
  read -r left right top bottom < <(xprop -id "$wid" _NET_FRAME_EXTENTS | sed "s/.*= //; s/,//g")
  import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage "$OUT"
  kill "$pid"
'
echo "wrote $out"
