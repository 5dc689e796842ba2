#!/usr/bin/env bash
# Installs what building and running need (not the test tools), builds the
# two programs and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DQUARNEL_BUILD_TESTS=OFF -DQUARNEL_BUILD_BENCH=OFF
if [ -x build/src/app/quarnel ]; then
  exec build/src/app/quarnel "$@"
fi
echo "The window is not built yet; starting the terminal front end (quarnel-cli)." >&2
exec build/src/cli/quarnel-cli "$@"
