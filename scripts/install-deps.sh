#!/usr/bin/env bash
# Installs the Debian packages Quarnel needs, but only those that are missing,
# so a prepared machine pays nothing.
#   install-deps.sh run      what building and running the programs need
#   install-deps.sh package  that, plus what building the Debian package and
#                            starting the window on a virtual display need
#   install-deps.sh test     all of these, plus the test tools (the default)
set -euo pipefail
mode=${1:-test}

# Building and running: compiler and build tools, Qt with its platform
# plugins, GNU MP, libedit (quarnel-cli's line editing) and a font.
run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgmp-dev libedit-dev fonts-dejavu-core
)
# Packaging: dpkg-shlibdeps (and the file(1) it is driven with), and an X
# server for a first start of the packaged window.
package_packages=(dpkg-dev file xvfb xauth)
# Testing: GoogleTest, Google Benchmark, an X server with a window manager and
# the tools that drive and capture it, the print-out reader, and the
# validators of the install test.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xdotool x11-utils openbox imagemagick poppler-utils
  desktop-file-utils appstream groff-base
)

case $mode in
  run) packages=("${run_packages[@]}") ;;
  package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq || true
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
