#!/usr/bin/env bash
# Two runs of the real program under a virtual X server: the first gets a
# stack entry and some input and is closed through File / Exit; the second
# must start with that state, which its own close then writes back unchanged.
# Usage: binary_restart.sh <quarnel executable>
# Exits 77 (skipped) when the X tools are missing.
set -euo pipefail

program=$1
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 77; }
done

sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/prog" "$sandbox/work" "$sandbox/home/config" "$sandbox/home/runtime"
chmod 700 "$sandbox/home/runtime"
cp "$program" "$sandbox/prog/quarnel"

cat >"$sandbox/session.sh" <<'SESSION'
set -euo pipefail
sandbox=$1; phase=$2
export HOME=$sandbox/home XDG_CONFIG_HOME=$sandbox/home/config XDG_RUNTIME_DIR=$sandbox/home/runtime
unset QT_QPA_PLATFORM
cd "$sandbox/work"
"$sandbox/prog/quarnel" 2>"$sandbox/stderr-$phase.log" &
pid=$!
wid=
for _ in $(seq 1 100); do
  wid=$(xdotool search --onlyvisible --name '^Quarnel$' 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "no window in phase $phase"; kill "$pid"; exit 1; }
sleep 0.5
xdotool windowfocus --sync "$wid"
if [ "$phase" = first ]; then
  xdotool type --delay 40 "1F"
  xdotool key Return
  xdotool type --delay 40 "2A"
  sleep 0.3
fi
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 18)) $((Y + 7)) click 1   # the File menu
sleep 0.5
xdotool key e                                      # E&xit
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "still running after File/Exit in phase $phase"; kill "$pid"; exit 1; fi
wait "$pid"
SESSION

run() { xvfb-run -a -s "-screen 0 1024x768x24" bash "$sandbox/session.sh" "$sandbox" "$@"; }

run first
ini=$sandbox/prog/quarnel.INI
backup=$sandbox/work/BACKUP.STK
[ -f "$ini" ] || { echo "first close wrote no INI file"; exit 1; }
printf '1\r\n64\r\n1F\r\n' | cmp -s - "$backup" || { echo "unexpected BACKUP.STK:"; od -c "$backup"; exit 1; }
grep -q '^InputArgument=2A' "$ini" || { echo "input not saved:"; cat "$ini"; exit 1; }
cp "$ini" "$sandbox/first.INI"; cp "$backup" "$sandbox/first.STK"

run second
cmp "$sandbox/first.INI" "$ini" || { echo "second close saved another state:"; diff "$sandbox/first.INI" "$ini"; exit 1; }
cmp "$sandbox/first.STK" "$backup" || { echo "second close saved another stack"; exit 1; }
echo "state kept across two runs"
