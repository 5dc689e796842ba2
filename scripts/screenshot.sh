#!/usr/bin/env bash
# Regenerates docs/screenshot.png: starts Quarnel on a virtual X display in a
# throw-away home (no setting of yours is read or written), types a short
# calculation and captures the window.
# Usage: scripts/screenshot.sh [build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -x "$build/src/app/quarnel" ]; then
  bash scripts/install-deps.sh
  bash scripts/build.sh "$build" -DCMAKE_BUILD_TYPE=Release
fi
program=$(realpath "$build/src/app/quarnel")
out=$(realpath docs)/screenshot.png

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
mkdir "$home/cwd"

HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
XDG_RUNTIME_DIR=$home/runtime PROGRAM=$program OUT=$out \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
    cd "$HOME/cwd"
    "$PROGRAM" & pid=$!
    win=""
    for _ in $(seq 1 100); do
      win=$(xdotool search --onlyvisible --name "^Quarnel$" 2>/dev/null | head -n1) && [ -n "$win" ] && break
      sleep 0.1
    done
    if [ -z "$win" ]; then echo "the window did not appear" >&2; kill $pid; exit 1; fi
    xdotool windowfocus --sync "$win"
    sleep 0.3
    # 1F ENT 3 +, 5 ENT, FF ENT, then 64 typed and left in the input line.
    xdotool type --delay 40 "1f"; xdotool key Return
    xdotool type --delay 40 "3";  xdotool key KP_Add
    xdotool type --delay 40 "5";  xdotool key Return
    xdotool type --delay 40 "ff"; xdotool key Return
    xdotool type --delay 40 "40"
    sleep 0.5
    import -window "$win" "$OUT"
    kill $pid
  '
echo "wrote $out"
