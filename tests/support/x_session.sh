# Shared by the tests that run the real program under a virtual X server.
# Source it; the functions exit the script on failure.

# make_sandbox DIR PROGRAM: a program folder, a working folder and a private home.
make_sandbox() {
  mkdir -p "$1/prog" "$1/work" "$1/home/config" "$1/home/runtime"
  chmod 700 "$1/home/runtime"
  cp "$2" "$1/prog/quarnel"
}

# start_quarnel DIR LOG: starts the program from DIR's working folder with DIR's
# home, waits for its window and gives it the focus. Sets pid and wid.
start_quarnel() {
  export HOME=$1/home XDG_CONFIG_HOME=$1/home/config XDG_RUNTIME_DIR=$1/home/runtime
  unset QT_QPA_PLATFORM
  cd "$1/work"
  "$1/prog/quarnel" 2>"$2" &
  pid=$!
  wid=
  for _ in $(seq 1 100); do
    wid=$(xdotool search --onlyvisible --name '^Quarnel$' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { echo "no window"; kill -9 "$pid"; exit 1; }
  sleep 0.5
  xdotool windowfocus --sync "$wid"
}

# type_session: enters 1F and leaves 2A in the input line.
type_session() {
  xdotool type --delay 40 "1F"
  xdotool key Return
  xdotool type --delay 40 "2A"
  sleep 0.3
}

# wait_end WHAT: waits up to 5 s for the program to end; returns its status.
wait_end() {
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then echo "still running 5 s $1"; kill -9 "$pid"; exit 1; fi
  wait "$pid"
}
