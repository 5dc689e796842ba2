#!/usr/bin/env bash
# The real program ended by the session (SIGTERM at logout or shutdown, SIGHUP
# when its terminal goes away) must save like a close, and must end promptly
# without asking anything even when the save fails.
# Usage: session_end.sh <quarnel executable>; fails when the X tools are missing.
set -euo pipefail
program=$1
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 77; }
done
export X_SESSION=$(cd "$(dirname "$0")/../support" && pwd)/x_session.sh
source "$X_SESSION"
sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT

cat >"$sandbox/session.sh" <<'SESSION'
set -euo pipefail
source "$X_SESSION"
dir=$1; signal=$2
start_quarnel "$dir" "$dir/stderr.log"
type_session
kill -s "$signal" "$pid"
wait_end "after SIG$signal" || true
SESSION

# signal | what is in the way | what must be on disk afterwards
while IFS='|' read -r signal blocker expect; do
  dir=$sandbox/$signal-$blocker
  make_sandbox "$dir" "$program"
  [ "$blocker" = backup-is-a-folder ] && mkdir "$dir/work/BACKUP.STK"
  xvfb-run -a -s "-screen 0 1024x768x24" bash "$sandbox/session.sh" "$dir" "$signal" ||
    { echo "SIG$signal, $blocker: failed"; cat "$dir/stderr.log"; exit 1; }
  case $expect in
    saved)
      printf '1\r\n64\r\n1F\r\n' | cmp -s - "$dir/work/BACKUP.STK" ||
        { echo "SIG$signal: stack not saved"; exit 1; }
      grep -q '^InputArgument=2A' "$dir/prog/quarnel.INI" ||
        { echo "SIG$signal: input not saved"; exit 1; } ;;
    told)
      [ -d "$dir/work/BACKUP.STK" ] || { echo "SIG$signal: the folder in the way was replaced"; exit 1; }
      [ -f "$dir/prog/quarnel.INI" ] ||
        { echo "SIG$signal: settings not saved after the failed backup"; exit 1; }
      [ -s "$dir/stderr.log" ] || { echo "SIG$signal: the failed save was not reported"; exit 1; } ;;
  esac
  echo "SIG$signal, $blocker: $expect"
done <<'ROWS'
TERM|nothing|saved
HUP|nothing|saved
TERM|backup-is-a-folder|told
ROWS
