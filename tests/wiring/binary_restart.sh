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

export X_SESSION=$(cd "$(dirname "$0")/../support" && pwd)/x_session.sh
source "$X_SESSION"
sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
make_sandbox "$sandbox" "$program"

cat >"$sandbox/session.sh" <<'SESSION'
set -euo pipefail
source "$X_SESSION"
sandbox=$1; phase=$2
start_quarnel "$sandbox" "$sandbox/stderr-$phase.log"
[ "$phase" = first ] && type_session
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 18)) $((Y + 7)) click 1   # the File menu
sleep 0.5
xdotool key e                                      # E&xit
wait_end "after File/Exit in phase $phase"
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
