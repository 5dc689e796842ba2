#!/usr/bin/env bash
# Installs what is missing, builds Quarnel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
if [ -x build/src/app/quarnel ]; then
  exec build/src/app/quarnel "$@"
fi
echo "The window is not built yet; starting the terminal front end (quarnel-cli)." >&2
exec build/src/cli/quarnel-cli "$@"
