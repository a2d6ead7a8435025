#!/usr/bin/env bash
# Builds Quor 3 into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "No display found: run it under a virtual one with  xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec ./build/bin/quor3 "$@"
