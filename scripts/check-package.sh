#!/usr/bin/env bash
# Builds the Debian package (or takes the one given), installs it with apt as
# a user would, and starts both programs from it: quarnel-cli computing
# something, quarnel --version, and the window for a few seconds on a virtual
# display. Meant for a freshly installed Debian; needs root or sudo.
#   check-package.sh [path/to/quarnel_X.Y.Z_arch.deb]
set -euo pipefail
cd "$(dirname "$0")/.."
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

bash scripts/install-deps.sh package
deb=${1:-}
if [ -z "$deb" ]; then
  bash scripts/build.sh build-package -DCMAKE_BUILD_TYPE=Release \
    -DQUARNEL_BUILD_TESTS=OFF -DQUARNEL_BUILD_BENCH=OFF
  rm -rf build-package/deb
  (cd build-package && cpack -G DEB -B "$PWD/deb" >/dev/null)
  deb=$(ls build-package/deb/*.deb)
fi
deb=$(realpath "$deb")
echo "== installing $deb"
dpkg-deb -f "$deb" Package Version Depends
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "$deb" >/dev/null

# Settings, backups and the single-instance lock go to a scratch home.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
export HOME=$scratch XDG_RUNTIME_DIR=$scratch

failed=0
check() { # check <what> <expected> <actual>
  if [ "$2" = "$3" ]; then echo "ok   $1: $3"; else echo "FAIL $1: expected '$2', got '$3'"; failed=1; fi
}
version=$(dpkg-deb -f "$deb" Version)
check "quarnel-cli installed" /usr/bin/quarnel-cli "$(command -v quarnel-cli)"
check "quarnel installed" /usr/bin/quarnel "$(command -v quarnel)"
check "quarnel-cli hex to decimal" 255 "$(quarnel-cli -r FF [ENT] [DEC])"
check "quarnel-cli from a pipe" 30 "$(echo '10 [ENT] 20 [+]' | quarnel-cli -r --base dec)"
check "quarnel-cli --version" "quarnel-cli $version" "$(quarnel-cli --version)"
check "quarnel --version" "quarnel $version" "$(env -u DISPLAY quarnel --version)"
# The window is still up after five seconds: timeout ends it with status 124.
status=0
xvfb-run -a timeout 5 quarnel >"$scratch/window.log" 2>&1 || status=$?
check "quarnel runs on a display for 5 s" 124 "$status"
[ "$status" = 124 ] || cat "$scratch/window.log"
check "man pages" "quarnel-cli.1 quarnel.1" "$(dpkg -L quarnel | sed -n 's:.*/man1/::p' | sort | xargs)"

[ $failed -eq 0 ] && echo "== the package installs and both programs run"
exit $failed
