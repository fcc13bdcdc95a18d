#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "q7cps: no display found (DISPLAY is not set); start it from a desktop session, or try: xvfb-run build/bin/q7cps"
  exit 1
fi
exec build/bin/q7cps "$@"
