#!/usr/bin/env bash
# Runs a command on a virtual X server with a real window manager (openbox),
# the way the program meets a desktop: frames, focus, moves, real fonts.
# Usage: under_wm.sh <command> [args...]; fails when a tool is missing.
set -euo pipefail
for tool in xvfb-run openbox xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 77; }
done
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  status=0
  QT_QPA_PLATFORM=xcb "$@" || status=$?
  kill "$wm" 2>/dev/null || true
  exit "$status"' under_wm "$@"
