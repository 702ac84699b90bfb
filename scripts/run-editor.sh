#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. Extra arguments go to kelo-editor.
# Without a display, the editor runs under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a build/bin/kelo-editor "$@"
fi
exec build/bin/kelo-editor "$@"
